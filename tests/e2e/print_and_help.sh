#!/usr/bin/env bash
# End to end in a real X server with a window manager: "Brett &drucken" opens the print dialog, whose Return
# prints the board into brett.pdf in the game's folder (no printer here); "&Anleitung" opens the help window.
# Usage: print_and_help.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
title="Dreizehner V5.1 by Mirav"
help_title="Dreizehner – Anleitung"
source "$(dirname "$0")/x_session.bash"
command -v pdfinfo >/dev/null && command -v pdftotext >/dev/null || fail "poppler-utils is not installed (make deps installs it)"
[ -f "$build/Dreizehner.chm" ] || fail "no Dreizehner.chm in $build"
start_x_session
export HOME="$work"  # the print dialog's settings and the help collection stay in here

visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
wait_for() {  # wait_for TITLE what
  for _ in $(seq 150); do [ -n "$(visible "$1")" ] && return 0; sleep 0.1; done
  fail "no window titled '$1' ($2)"
}

mkdir -p "$work/game" && cp "$build/Dreizehner.chm" "$work/game/"
cd "$work/game" || exit 1
"$build/dreizehner" >"$work/game.log" 2>&1 &
game=$!
pids+=($game)
wait_for "$title" "the main window"
sleep 1
main_window=$(visible "$title")

# "Brett &drucken" from the menu "&Optionen"; the dialog offers brett.pdf here, Return prints.
xdotool windowactivate --sync "$main_window" 2>/dev/null
xdotool key alt+o
sleep 0.5
xdotool key d
wait_for "Drucken" "the print dialog"
sleep 1
xdotool key Return
for _ in $(seq 100); do [ -s brett.pdf ] && break; sleep 0.1; done
[ -s brett.pdf ] || fail "Return in the print dialog wrote no brett.pdf"
sleep 0.5
pdfinfo brett.pdf | grep -q "^Pages: *1$" || fail "brett.pdf is not one page: $(pdfinfo brett.pdf 2>&1)"
pdfinfo brett.pdf | grep -q "(A4)" || fail "brett.pdf is not A4"
pdftotext brett.pdf - | grep -q "Schwierigkeitsgrad: Leicht mit 0 Zahlen" || fail "no title line in brett.pdf"
echo "Return in the print dialog prints brett.pdf"

# "&Anleitung" from the menu "&Hilfe" opens the help window beside the game.
xdotool windowactivate --sync "$main_window" 2>/dev/null
xdotool key alt+h
sleep 0.5
xdotool key a
wait_for "$help_title" "the help window"
kill -0 "$game" 2>/dev/null || fail "the game ended"
echo "Anleitung opens the help window"

# The game still ends through its question while the help window is open.
quit_game
echo "2 passed, 0 failed"
