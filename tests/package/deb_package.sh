#!/usr/bin/env bash
# The Debian package: built by CPack from the build folder, checked by lintian (no error, no warning), inspected,
# unpacked into a temporary root and started
# there from its desktop entry's command, offscreen, as a player who never ran it. The launcher makes the player's
# folder, brings the level files up to the installed ones and leaves the player's own files alone.
# With --hardened (the packager's build of make test) lintian must not find a hardening flag missing either.
# Usage: deb_package.sh BUILD_DIR SOURCE_DIR [--hardened]
set -uo pipefail
build=$(cd "$1" && pwd)
hardened=${3:-}
work=$(mktemp -d)
game=""
cleanup() { [ -n "$game" ] && kill "$game" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/pkg/*.deb 2>/dev/null | head -n1)
[ -f "$deb" ] || fail "no package was made"

info=$(dpkg-deb -I "$deb")
grep -q '^ Package: dreizehner$' <<<"$info" || fail "package name: $info"
grep -q '^ Section: games$' <<<"$info" || fail "section"
grep -q '^ Maintainer: [^<]* <[^@ ]*@[^> ]*>$' <<<"$info" || fail "maintainer: $info"

# lintian's verdict: E: and W: lines fail the test; overrides, if any, carry their reason beside them.
command -v lintian >/dev/null || fail "lintian is not installed (make deps installs it)"
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1 \
  || { cat "$work/lintian.log"; fail "lintian found errors or warnings"; }
grep -q '^[EW]: ' "$work/lintian.log" && { cat "$work/lintian.log"; fail "lintian: errors or warnings"; }
if [ "$hardened" = "--hardened" ] && grep -q 'hardening-' "$work/lintian.log"; then
  cat "$work/lintian.log"; fail "the packager's build lacks hardening flags"
fi
sed 's/^/  lintian: /' "$work/lintian.log"
depends=$(grep '^ Depends:' <<<"$info")
for dep in libqt6widgets6 libqt6printsupport6 libstdc++6 fonts-liberation qt6-translations-l10n qt6-qpa-plugins \
           libqt6sql6-sqlite; do
  grep -q "$dep" <<<"$depends" || fail "missing dependency $dep in: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
shared=./usr/share/games/dreizehner
for path in ./usr/games/dreizehner ./usr/games/drz ./usr/libexec/dreizehner/dreizehner \
            $shared/leicht.drz $shared/mittel.drz $shared/schwer.drz $shared/extrem.drz $shared/Dreizehner.chm \
            ./usr/share/doc/dreizehner/copyright ./usr/share/doc/dreizehner/changelog.gz \
            ./usr/share/applications/de.dreizehner.Dreizehner.desktop \
            ./usr/share/metainfo/de.dreizehner.Dreizehner.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/dreizehner.svg ./usr/share/icons/hicolor/48x48/apps/dreizehner.png \
            ./usr/share/man/man6/dreizehner.6.gz ./usr/share/man/man6/drz.6.gz; do
  grep -qx "$path" <<<"$contents" || fail "the package lacks $path"
done

root="$work/root"
dpkg-deb -x "$deb" "$root" || fail "unpacking"
desktop="$root/usr/share/applications/de.dreizehner.Dreizehner.desktop"
desktop-file-validate "$desktop" || fail "desktop entry"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$root/usr/share/metainfo/de.dreizehner.Dreizehner.metainfo.xml" \
  || fail "metainfo licence"
appstreamcli validate --no-net "$root/usr/share/metainfo/de.dreizehner.Dreizehner.metainfo.xml" >"$work/as.log" \
  || { cat "$work/as.log"; fail "metainfo"; }
zcat "$root/usr/share/doc/dreizehner/changelog.gz" | sed -n 1p | grep -q '^dreizehner (' || fail "changelog"
# Hardened as dpkg-buildflags asks (hardening=+all): read-only relocations bound at start, a position-independent
# program. (The fortify check is lintian's.)
for program in "$root/usr/libexec/dreizehner/dreizehner" "$root/usr/games/drz"; do
  dyn=$(readelf -d "$program"); head=$(readelf -h "$program"); seg=$(readelf -l "$program")
  grep -q 'BIND_NOW\|FLAGS.*NOW' <<<"$dyn" || fail "$program is not linked with bind-now"
  grep -q 'GNU_RELRO' <<<"$seg" || fail "$program has no read-only relocations"
  grep -q 'DYN (' <<<"$head" || fail "$program is not position-independent"
done
"$root/usr/games/drz" >/dev/null 2>&1; [ $? -eq 2 ] || fail "the installed drz does not answer with its usage"

# The desktop entry's command, found on a PATH that holds the unpacked programs.
command=$(sed -n 's/^Exec=//p' "$desktop")
[ "$command" = "dreizehner" ] || fail "unexpected Exec line: $command"
export HOME="$work/home" PATH="$root/usr/games:$PATH" QT_QPA_PLATFORM=offscreen
unset XDG_DATA_HOME
folder="$HOME/.local/share/dreizehner"

start() {  # starts the game from the desktop entry's command and waits until its folder is ready
  $command >"$work/game.log" 2>&1 &
  game=$!
  for _ in $(seq 100); do [ -f "$folder/extrem.drz" ] && [ -f "$folder/Dreizehner.chm" ] && break; sleep 0.1; done
  sleep 1
  kill -0 "$game" 2>/dev/null || fail "the installed game did not keep running"
  kill "$game"; wait "$game" 2>/dev/null; game=""
}

start
for f in leicht mittel schwer extrem; do
  cmp -s "$root/usr/share/games/dreizehner/$f.drz" "$folder/$f.drz" || fail "$f.drz was not put into the player's folder"
done

# An update of the installed files reaches the player's folder; the player's own files stay as they were.
printf 'mein Brett' >"$folder/brett.drz"
printf 'Anna\n01.02.2026\n00:40:00.0\n' >"$folder/Champions.Rhm"
cp "$folder/brett.drz" "$work/brett.before"; cp "$folder/Champions.Rhm" "$work/rhm.before"
cp "$root/usr/share/games/dreizehner/mittel.drz" "$root/usr/share/games/dreizehner/leicht.drz"
start
cmp -s "$root/usr/share/games/dreizehner/leicht.drz" "$folder/leicht.drz" || fail "a changed level file was not refreshed"
cmp -s "$work/brett.before" "$folder/brett.drz" || fail "brett.drz was touched"
cmp -s "$work/rhm.before" "$folder/Champions.Rhm" || fail "Champions.Rhm was touched"

# A folder that cannot be made (its parent is a file) is reported, not ignored.
export XDG_DATA_HOME="$work/a-file"
touch "$XDG_DATA_HOME"
$command >"$work/fail.log" 2>&1 && fail "the launcher went on without its folder"
grep -q 'kann nicht angelegt werden' "$work/fail.log" || fail "no message: $(cat "$work/fail.log")"
echo "package test passed: $(basename "$deb")"
