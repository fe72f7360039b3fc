#!/usr/bin/env bash
# End to end in a real X server with a window manager, driven by real clicks and keys: a new game is dealt,
# digits go in through the picker pad (typed and clicked), the board is saved into a slot and loaded back
# through the slot dialog, K then O solve it, Escape leaves the game; the close box ends the program.
# Usage: play_game.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/x_session.bash"
start_x_session

# Keys into the dialog window titled $1 (activated first, as a player's click on it would).
dialog_key() { local w; w=$(windows_named "$1" | head -n1); xdotool windowactivate --sync "$w" 2>/dev/null; sleep 0.2; xdotool key "${@:2}"; }
wait_for_windows() {  # wait_for_windows TITLE COUNT what
  for _ in $(seq 150); do [ "$(windows_named "$1" | wc -l)" -eq "$2" ] && return 0; sleep 0.1; done
  fail "expected $2 window(s) titled '$1' ($3), saw $(windows_named "$1" | wc -l)"
}

cp "$source_dir"/data/*.drz "$work"/ || fail "no level files in $source_dir/data"
start_game
main=$main_window

shot
find_picture_top "$work/shot.png"

# "&Neues Spiel" from the menu "&Dreizehner": the command bar appears, the board carries givens.
key alt+d n
shot
[ "$(pixel 159 898)" = "#000000" ] || fail "no command bar after Neues Spiel (pixel $(pixel 159 898))"
# The empty cells of grid 1 (white faces without ink); grid 1 starts at (29, 35), cells 33 x 25.
empty=()
for y in 1 2 3 4 5 6; do
  for x in 1 2 3 4 5 6; do
    cx=$(( 29 + 33 * (x - 1) )) cy=$(( 35 + 25 * (y - 1) ))
    [ "$(pixel $(( cx + 2 )) $(( cy + 2 )))" = "#FFFFFF" ] && [ "$(ink $(( cx + 3 )) $(( cy + 3 )) 26 18)" -eq 0 ] &&
      empty+=("$cx,$cy")
  done
done
[ "${#empty[@]}" -ge 2 ] || fail "fewer than two empty cells in grid 1 of the dealt board"
IFS=, read -r ax ay <<<"${empty[0]}"
IFS=, read -r bx by <<<"${empty[1]}"

# A digit typed into the pad; another clicked on square 3 of the pad.
click $(( ax + 16 )) $(( ay + 12 ))
shot
[ "$(pixel $(( ax - 8 )) $(( ay + 10 )))" = "#000000" ] || fail "the pad did not open over the cell"
key 5
click $(( bx + 16 )) $(( by + 12 ))
xdotool mousemove --window "$main" $(( bx - 8 + 37 )) $(( by - 8 + 7 + top )); sleep 0.3
click $(( bx - 8 + 37 )) $(( by - 8 + 7 ))
shot
[ "$(ink $(( ax + 3 )) $(( ay + 3 )) 26 18)" -gt 0 ] || fail "the typed digit is not in its cell"
[ "$(ink $(( bx + 3 )) $(( by + 3 )) 26 18)" -gt 0 ] || fail "the clicked digit is not in its cell"
echo "digits entered through the pad"

# S: the slot dialog "Sichern unter ..."; "2" saves into slot 1 at once.
key s
wait_for_windows "Sichern unter \.\.\." 1 "the save dialog"
dialog_key "Sichern unter \.\.\." 2
wait_for_windows "Sichern unter \.\.\." 0 "the save dialog closed"
[ "$(stat -c %s "$work/brett.drz" 2>/dev/null)" = 67929 ] || fail "brett.drz was not saved with 67929 bytes"
echo "saved into slot 2"

# N clears the entries; L and Enter load slot 1 back (the dialog reopens on it).
key n
shot
[ "$(ink $(( ax + 3 )) $(( ay + 3 )) 26 18)" -eq 0 ] || fail "N did not clear the entry"
key l
wait_for_windows "Welches Brett laden\?" 1 "the load dialog"
dialog_key "Welches Brett laden\?" Return
wait_for_windows "Welches Brett laden\?" 0 "the load dialog closed"
shot
[ "$(ink $(( ax + 3 )) $(( ay + 3 )) 26 18)" -gt 0 ] || fail "the loaded board lacks the saved entry"
echo "loaded back from slot 2"

# K, then O: the solver fills the board and shows its verdict (after a retry from the givens if the entries
# were wrong); Return closes each box.
key k o
for _ in 1 2; do
  for _ in $(seq 60); do [ "$(windows_named "$title" | wc -l)" -ge 2 ] && break; sleep 0.2; done
  [ "$(windows_named "$title" | wc -l)" -ge 2 ] || break
  sleep 0.3
  xdotool key Return
  sleep 0.5
done
wait_for_windows "$title" 1 "the verdict closed"
shot
for y in 1 5 9; do
  for x in 1 5 9; do
    cx=$(( 29 + 33 * (x - 1) )) cy=$(( 35 + 25 * (y - 1) ))
    [ "$(ink $(( cx + 3 )) $(( cy + 3 )) 26 18)" -gt 0 ] || fail "cell ($x, $y) of grid 1 is empty after the solve"
  done
done
echo "solved by K then O"

# Escape leaves the game: the command bar disappears.
escape_ends_game

quit_game
echo "1 passed, 0 failed"
