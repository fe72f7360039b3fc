#!/usr/bin/env bash
# The Debian package: built by CPack from the build folder, inspected, unpacked into a temporary root and started
# there from its desktop entry's command, offscreen, as a player who never ran it. The launcher makes the player's
# folder, brings the level files up to the installed ones and leaves the player's own files alone.
# Usage: deb_package.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
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
depends=$(grep '^ Depends:' <<<"$info")
for dep in libqt6widgets6 libqt6printsupport6 libstdc++6 fonts-liberation qt6-translations-l10n qt6-qpa-plugins \
           libqt6sql6-sqlite; do
  grep -q "$dep" <<<"$depends" || fail "missing dependency $dep in: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/dreizehner ./usr/bin/drz ./usr/libexec/dreizehner/dreizehner \
            ./usr/share/dreizehner/leicht.drz ./usr/share/dreizehner/mittel.drz ./usr/share/dreizehner/schwer.drz \
            ./usr/share/dreizehner/extrem.drz ./usr/share/dreizehner/Dreizehner.chm \
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
appstreamcli validate --no-net "$root/usr/share/metainfo/de.dreizehner.Dreizehner.metainfo.xml" >"$work/as.log" \
  || { cat "$work/as.log"; fail "metainfo"; }
"$root/usr/bin/drz" >/dev/null 2>&1; [ $? -eq 2 ] || fail "the installed drz does not answer with its usage"

# The desktop entry's command, found on a PATH that holds the unpacked programs.
command=$(sed -n 's/^Exec=//p' "$desktop")
[ "$command" = "dreizehner" ] || fail "unexpected Exec line: $command"
export HOME="$work/home" PATH="$root/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen
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
  cmp -s "$root/usr/share/dreizehner/$f.drz" "$folder/$f.drz" || fail "$f.drz was not put into the player's folder"
done

# An update of the installed files reaches the player's folder; the player's own files stay as they were.
printf 'mein Brett' >"$folder/brett.drz"
printf 'Anna\n01.02.2026\n00:40:00.0\n' >"$folder/Champions.Rhm"
cp "$folder/brett.drz" "$work/brett.before"; cp "$folder/Champions.Rhm" "$work/rhm.before"
cp "$root/usr/share/dreizehner/mittel.drz" "$root/usr/share/dreizehner/leicht.drz"
start
cmp -s "$root/usr/share/dreizehner/leicht.drz" "$folder/leicht.drz" || fail "a changed level file was not refreshed"
cmp -s "$work/brett.before" "$folder/brett.drz" || fail "brett.drz was touched"
cmp -s "$work/rhm.before" "$folder/Champions.Rhm" || fail "Champions.Rhm was touched"

# A folder that cannot be made (its parent is a file) is reported, not ignored.
export XDG_DATA_HOME="$work/a-file"
touch "$XDG_DATA_HOME"
$command >"$work/fail.log" 2>&1 && fail "the launcher went on without its folder"
grep -q 'kann nicht angelegt werden' "$work/fail.log" || fail "no message: $(cat "$work/fail.log")"
echo "package test passed: $(basename "$deb")"
