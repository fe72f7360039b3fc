#!/usr/bin/env bash
# End to end in a real X server: digits entered, Ctrl+Z and Ctrl+Y, then the game killed with SIGKILL; started
# again it asks "Letztes Spiel fortsetzen?", "&JA" brings the board back pixel for pixel, and Ctrl+Y still
# makes the step that was taken back.
# Usage: autosave_resume.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/x_session.bash"
start_x_session

cp "$source_dir"/data/*.drz "$work"/ || fail "no level files in $source_dir/data"
start_game

cell_ink() { ink $(( $1 + 3 )) $(( $2 + 3 )) 26 18; }  # black pixels inside the cell at X Y
# The board (the thirteen grids, left of the panels, above the command bar) of the last shot, into $1.
board_picture() { convert "$work/shot.png" -crop "1125x880+0+$top" +repage "$1"; }

shot
find_picture_top "$work/shot.png"
key alt+d n
shot
empty=()
for y in 1 2 3 4 5 6; do
  for x in 1 2 3 4 5 6; do
    cx=$(( 29 + 33 * (x - 1) )) cy=$(( 35 + 25 * (y - 1) ))
    [ "$(pixel $(( cx + 2 )) $(( cy + 2 )))" = "#FFFFFF" ] && [ "$(cell_ink $cx $cy)" -eq 0 ] && empty+=("$cx,$cy")
  done
done
[ "${#empty[@]}" -ge 3 ] || fail "fewer than three empty cells in grid 1 of the dealt board"
IFS=, read -r ax ay <<<"${empty[0]}"
IFS=, read -r bx by <<<"${empty[1]}"
IFS=, read -r cx cy <<<"${empty[2]}"

click $(( ax + 16 )) $(( ay + 12 )); key 5
click $(( bx + 16 )) $(( by + 12 )); key 6
key ctrl+z
shot
[ "$(cell_ink $bx $by)" -eq 0 ] || fail "Ctrl+Z did not take the 6 back"
key ctrl+y
click $(( cx + 16 )) $(( cy + 12 )); key 7
key ctrl+z
xdotool mousemove --window "$main_window" 1300 $(( 60 + top )); sleep 1.5  # the autosave within a second
shot
[ "$(cell_ink $ax $ay)" -gt 0 ] && [ "$(cell_ink $bx $by)" -gt 0 ] && [ "$(cell_ink $cx $cy)" -eq 0 ] ||
  fail "after Ctrl+Y and Ctrl+Z the board is not 5, 6 and an empty cell"
board_picture "$work/before.png"
[ -s "$work/spielstand.json" ] || fail "no spielstand.json in the game folder"
echo "digits entered, Ctrl+Z and Ctrl+Y, the game kept in spielstand.json"

kill -9 "$game"
wait "$game" 2>/dev/null
echo "killed with SIGKILL"

"$build/dreizehner" >>"$work/game.log" 2>&1 &
game=$!
pids+=($game)
wait_for_count 2 "the main window and the question Letztes Spiel fortsetzen?"
sleep 1
main_window=""
for w in $(windows); do  # the main window is the wide one
  [ "$(xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')" -gt 1000 ] && main_window=$w
done
[ -n "$main_window" ] || fail "no main window among the game's windows"
xdotool key j
wait_for_count 1 "the question answered with JA"
xdotool mousemove --window "$main_window" 1300 $(( 60 + top )); sleep 1
shot
board_picture "$work/after.png"
differing=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1)
[ "$differing" = 0 ] || fail "the resumed board differs in $differing pixels"
[ "$(pixel 159 898)" = "#000000" ] || fail "the resumed game shows no command bar"
echo "JA brings the board back pixel for pixel, in the play loop"

key ctrl+y
shot
[ "$(cell_ink $cx $cy)" -gt 0 ] || fail "Ctrl+Y after the resume did not make the 7 again"
echo "the history came back: Ctrl+Y makes the step taken back before the kill"

quit_game
echo "1 passed, 0 failed"
