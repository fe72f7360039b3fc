#!/usr/bin/env bash
# End to end in a real X server with a window manager: "Brett &drucken" opens the print dialog, whose Return
# prints the board into brett.pdf in the player's documents folder (no printer here); "&Anleitung" opens the help
# window, and a click on a link inside its page opens that page there, back goes to the first again.
# Usage: print_and_help.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
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

mkdir -p "$work/game" "$HOME/Documents" && cp "$build/Dreizehner.chm" "$work/game/"
cd "$work/game" || exit 1
"$build/dreizehner" >"$work/game.log" 2>&1 &
game=$!
pids+=($game)
wait_for "$title" "the main window"
sleep 1
main_window=$(visible "$title")

# "Brett &drucken" from the menu "&Optionen"; the dialog offers brett.pdf in the documents folder, Return prints.
xdotool windowactivate --sync "$main_window" 2>/dev/null
xdotool key alt+o
sleep 0.5
xdotool key d
wait_for "Drucken" "the print dialog"
sleep 1
xdotool key Return
cd "$HOME/Documents" || exit 1
for _ in $(seq 100); do [ -s brett.pdf ] && break; sleep 0.1; done
[ -s brett.pdf ] || fail "Return in the print dialog wrote no brett.pdf"
sleep 0.5
pdfinfo brett.pdf | grep -q "^Pages: *1$" || fail "brett.pdf is not one page: $(pdfinfo brett.pdf 2>&1)"
pdfinfo brett.pdf | grep -q "(A4)" || fail "brett.pdf is not A4"
pdftotext brett.pdf - | grep -q "Schwierigkeitsgrad: Leicht mit 0 Zahlen" || fail "no title line in brett.pdf"
[ -e "$work/game/brett.pdf" ] && fail "brett.pdf went into the game's folder although there is a documents folder"
cd "$work/game" || exit 1
echo "Return in the print dialog prints brett.pdf into the documents folder"

# "&Anleitung" from the menu "&Hilfe" opens the help window beside the game.
xdotool windowactivate --sync "$main_window" 2>/dev/null
xdotool key alt+h
sleep 0.5
xdotool key a
wait_for "$help_title" "the help window"
kill -0 "$game" 2>/dev/null || fail "the game ended"
echo "Anleitung opens the help window"

# A click on a link inside the page: the manual's links are drawn in #0000ee; the lowest one in sight is clicked.
# Which page is shown is read from the contents beside it, which mark the shown page in the toolkit's highlight.
help=$(visible "$help_title")
sleep 1
marked_row() {  # marked_row PICTURE — the first pixel row of the highlight in the contents
  convert "$1" -crop 300x700+0+0 +repage txt:- | grep -im1 "$highlight" | cut -d: -f1 | cut -d, -f2
}
import -window "$help" "$work/help_before.png"
highlight=$(convert "$work/help_before.png" -crop 1x1+100+36 +repage txt:- | tail -n1 | grep -o '#[0-9A-Fa-f]\{6\}')
first=$(marked_row "$work/help_before.png")
spot=$(convert "$work/help_before.png" -crop 680x720+320+0 +repage txt:- | grep -i '#0000EE' | tail -n1 | cut -d: -f1)
[ -n "$spot" ] && [ -n "$first" ] || fail "no link or no marked page in the help window ($spot, $first)"
xdotool mousemove --window "$help" $(( ${spot%,*} + 320 )) $(( ${spot#*,} - 3 )) click 1
sleep 1
import -window "$help" "$work/help_link.png"
linked=$(marked_row "$work/help_link.png")
[ -n "$linked" ] && [ "$linked" -gt "$first" ] || fail "a click on the link at $spot opened no other page ($first, $linked)"
xdotool key --window "$help" alt+Left
sleep 1
import -window "$help" "$work/help_back.png"
[ "$(marked_row "$work/help_back.png")" = "$first" ] || fail "back did not return to the first page"
grep -q 'Unable to detect a web browser' "$work/game.log" && fail "a manual link went to the desktop's browser"
echo "a link inside the page opens its page in the help window, back returns"

# The game still ends through its question while the help window is open.
quit_game
echo "3 passed, 0 failed"
