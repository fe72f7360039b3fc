# Dreizehner — build, run and test on Debian 12. `make run` and `make test` install what is missing first.

BUILD      ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
RELEASE_BUILD ?= build-release
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
RUN_DIR    ?= run
JOBS       ?= $(shell nproc)

BUILD_PACKAGES   := cmake ninja-build g++ qt6-base-dev libgtest-dev libbenchmark-dev \
                    qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools
RUNTIME_PACKAGES := fonts-liberation qt6-translations-l10n qt6-qpa-plugins libqt6help6 libqt6sql6-sqlite
TEST_PACKAGES    := xvfb xauth xdotool x11-apps x11-utils imagemagick poppler-utils openbox wmctrl cadical \
                    desktop-file-utils appstream dpkg-dev python3 lintian man-db ccache
CHECK_PACKAGES   := clang libclang-rt-14-dev clang-format clang-tidy valgrind gcovr
PACKAGES         := $(BUILD_PACKAGES) $(RUNTIME_PACKAGES) $(TEST_PACKAGES) $(CHECK_PACKAGES)

# The project's own builds make every warning fatal; a packager's plain CMake build only reports them. They compile
# through ccache when it is there (make deps installs it), so the builds of `make test` and a second run reuse what
# was compiled; paths are taken relative to this folder, so two clones share the cache as well.
CCACHE_LAUNCHER = $$(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR ?= $(CURDIR)
export CCACHE_NOHASHDIR ?= 1
CMAKE_CONFIGURE = cmake -S . -G Ninja -Wno-dev -DDRZ_WERROR=ON $(CCACHE_LAUNCHER)

# Debian's flags for a package, hardened throughout (stack protector, fortified functions, PIE, read-only
# relocations bound at start).
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all
PACKAGER_ENV = CXXFLAGS="$$($(DEB_FLAGS) dpkg-buildflags --get CXXFLAGS) $$($(DEB_FLAGS) dpkg-buildflags --get CPPFLAGS)" \
               LDFLAGS="$$($(DEB_FLAGS) dpkg-buildflags --get LDFLAGS)"

.PHONY: all deps build run test test-release test-asan test-tsan packager-build test-packager-build test-fuzz package fuzz \
        fuzz-build tidy format-check coverage bench levels help-pictures soak soak-build test-soak clean

all: build

# Installs only the Debian packages that are missing, so a machine that has them all needs no root.
deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  sudo=""; [ "$$(id -u)" -ne 0 ] && sudo=sudo; \
	  $$sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq $$missing; \
	fi

$(BUILD)/build.ninja:
	$(CMAKE_CONFIGURE) -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# The game reads and writes its files in its working folder: the level files and the help file are copied there
# (always the current ones; the player's own brett.drz and hall of fame stay as they are).
run: build
	@mkdir -p $(RUN_DIR)
	@for f in data/*.drz; do [ -e "$$f" ] && cp "$$f" $(RUN_DIR)/ || true; done
	@cp $(BUILD)/Dreizehner.chm $(RUN_DIR)/
	cd $(RUN_DIR) && ../$(BUILD)/dreizehner

test: deps format-check test-release test-asan test-soak test-tsan test-packager-build test-fuzz
	@echo "All test runs passed."

test-release: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	$(CMAKE_CONFIGURE) -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DDRZ_SANITIZE=asan -DDRZ_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS) -LE 'e2e|package'

test-tsan: deps
	$(CMAKE_CONFIGURE) -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DDRZ_SANITIZE=tsan -DDRZ_BUILD_BENCH=OFF
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target test_clock
	cd $(TSAN_BUILD) && TSAN_OPTIONS="halt_on_error=1 suppressions=$(CURDIR)/tests/clock/tsan.supp" \
	  ctest --output-on-failure -L clock

# The random-input soak: the ASan + UBSan game under Xvfb driven by seeded random input (SOAK_SEED replays a
# run). `make soak` runs SOAK_SECONDS, `make test` one minute.
SOAK_SECONDS ?= 600
soak-build: deps
	$(CMAKE_CONFIGURE) -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DDRZ_SANITIZE=asan -DDRZ_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target dreizehner drz help_file

soak: soak-build
	bash tests/soak/soak.sh $(ASAN_BUILD) . $(SOAK_SECONDS)

test-soak: soak-build
	bash tests/soak/soak.sh $(ASAN_BUILD) . 60

# The game built as a packager would: Release, Debian's hardened flags, no tests (BUILD_TESTING=OFF), warnings
# reported but not fatal; then its Debian package is made, checked by lintian, unpacked and started.
packager-build: deps
	$(PACKAGER_ENV) cmake -S . -B $(RELEASE_BUILD) -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	  $(CCACHE_LAUNCHER)
	cmake --build $(RELEASE_BUILD) -j $(JOBS)

test-packager-build: packager-build
	bash tests/package/deb_package.sh $(RELEASE_BUILD) . --hardened

# The Debian package of the game as a packager builds it, in $(RELEASE_BUILD)/package.
package: packager-build
	cd $(RELEASE_BUILD) && cpack -G DEB -B package

# The libFuzzer harnesses (clang, ASan + UBSan): `make fuzz` runs each for FUZZ_SECONDS, `make test-fuzz` for 30 s.
fuzz-build: deps
	$(CMAKE_CONFIGURE) -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DDRZ_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz: fuzz-build
	bash tests/fuzz/run_fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

test-fuzz: fuzz-build
	bash tests/fuzz/run_fuzzers.sh $(FUZZ_BUILD) 30

# clang-tidy with the checks in .clang-tidy over every source file of the build; fails on any finding.
tidy: deps $(BUILD)/build.ninja
	@run-clang-tidy -p $(BUILD) -quiet -j $(JOBS) '$(CURDIR)/(src|tools|tests|bench)/.*\.cpp$$' > $(BUILD)/tidy.log 2>&1; \
	  grep -E 'warning:|error:' $(BUILD)/tidy.log | sort -u; \
	  ! grep -qE 'warning:|error:' $(BUILD)/tidy.log && echo "clang-tidy: no findings"

# Fails when .clang-format would change a line of the C++ sources, and names the files.
format-check:
	bash tools/check_format.sh

# Line coverage per layer: a gcov build of the game and the tests, the tests run (not the e2e ones), gcovr.
COVERAGE_BUILD ?= build-coverage
coverage: deps
	$(CMAKE_CONFIGURE) -B $(COVERAGE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DDRZ_BUILD_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage
	cmake --build $(COVERAGE_BUILD) -j $(JOBS)
	find $(COVERAGE_BUILD) -name '*.gcda' -delete
	cd $(COVERAGE_BUILD) && ctest -j $(JOBS) -LE e2e --output-on-failure || true
	bash tools/coverage_report.sh $(COVERAGE_BUILD)

# Regenerates the four level files in data/ from the seeds in tools/level_seeds.txt.
levels: deps $(BUILD)/build.ninja
	bash tools/make_levels.sh $(BUILD)

# Redraws the manual's pictures in data/help/bilder with the game's own display code (offscreen): the whole
# screen made 680 pixels wide, and pieces of it at full size (the panels, a corner, the pad, the command bar); and
# the README's screenshot docs/bildschirm.png. They are committed; remake them when the screen changes.
HELP_PICTURES := data/help/bilder
help-pictures: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target help_pictures
	@rm -rf $(BUILD)/help_pictures.out && mkdir -p $(BUILD)/help_pictures.out
	QT_QPA_PLATFORM=offscreen $(BUILD)/help_pictures data/leicht.drz $(BUILD)/help_pictures.out
	for f in start spiel buchstaben kandidaten; do \
	  convert $(BUILD)/help_pictures.out/$$f.png -filter Lanczos -resize 680x +dither -colors 64 -depth 8 $(HELP_PICTURES)/$$f.png; done
	convert $(BUILD)/help_pictures.out/spiel.png -crop 318x602+1148+274 +repage -depth 8 $(HELP_PICTURES)/anzeigen.png
	convert $(BUILD)/help_pictures.out/spiel.png -crop 612x470+0+0 +repage -depth 8 $(HELP_PICTURES)/ausschnitt.png
	convert $(BUILD)/help_pictures.out/zahlenfeld_voll.png -crop 200x140+340+280 +repage -depth 8 $(HELP_PICTURES)/zahlenfeld.png
	convert $(BUILD)/help_pictures.out/befehlsleiste_voll.png -crop 840x40+152+878 +repage -depth 8 \
	  $(HELP_PICTURES)/befehlsleiste.png
	convert $(BUILD)/help_pictures.out/schreibmarke_voll.png -crop 612x470+0+0 +repage +dither -colors 64 -depth 8 \
	  $(HELP_PICTURES)/schreibmarke.png
	convert $(BUILD)/help_pictures.out/hinweis_voll.png -crop $$(cat $(BUILD)/help_pictures.out/hinweis.crop) +repage \
	  \( $(BUILD)/help_pictures.out/hinweis_voll.png -crop 240x80+1190+668 +repage \) -background '#b4c9d0' \
	  -gravity north +append +dither -colors 64 -depth 8 $(HELP_PICTURES)/hinweis.png
	convert $(BUILD)/help_pictures.out/eigenes.png -filter Lanczos -resize 680x +dither -colors 64 -depth 8 \
	  $(HELP_PICTURES)/eigenes.png
	convert $(BUILD)/help_pictures.out/befehlsleiste_voll.png -filter Lanczos -resize 960x +dither -colors 64 -depth 8 \
	  docs/bildschirm.png

bench: build
	@for b in $(BUILD)/bench/*; do [ -x "$$b" ] && [ -f "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(RELEASE_BUILD) $(FUZZ_BUILD) $(COVERAGE_BUILD)
