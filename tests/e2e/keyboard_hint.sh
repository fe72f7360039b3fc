#!/usr/bin/env bash
# End to end by keys alone in a real X server: a new game dealt through the menu's mnemonics, the cursor moved
# by arrows to empty cells, digits typed into them, a hint shown by T (its outlines and its sentence) and gone
# with the next key, Escape ending the game; the close box ends the program.
# Usage: keyboard_hint.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/x_session.bash"
start_x_session

cp "$source_dir"/data/*.drz "$work"/ || fail "no level files in $source_dir/data"
start_game

# Pixels of one colour in a box of the game's own pixels: COLOUR X Y W H.
colour_count() {
  convert "$work/shot.png" -crop "$4x$5+$2+$(( $3 + top ))" +repage -fill '#000000' +opaque "$1" \
    -fill '#FFFFFF' -opaque "$1" -format '%[fx:round(mean*w*h)]' info:
}
face() { echo $(( 29 + 33 * ($1 - 1) + 1 )) $(( 35 + 25 * ($2 - 1) + 1 )); }  # top-left of a face of grid 1

shot
find_picture_top "$work/shot.png"

key alt+d n
shot
[ "$(pixel 159 898)" = "#000000" ] || fail "no command bar after Neues Spiel"
help_panel() { convert "$work/shot.png" -crop "220x42+1200+$(( 695 + top ))" +repage -format '%#' info:; }
before_help=$(help_panel)

# The first arrow shows the cursor on the top-left cell of grid 1; then on to the first two empty cells of
# row 1 to 3 of grid 1, each by arrows, a digit typed into each.
key Right
shot
read -r fx fy < <(face 1 1)
[ "$(pixel "$fx" "$fy")" = "#FF8000" ] || fail "no cursor after the first arrow (pixel $(pixel "$fx" "$fy"))"
entered=0 cx=1 cy=1
for y in 1 2 3; do
  for x in 1 2 3 4 5 6 7 8 9; do
    [ $entered -ge 2 ] && break 2
    read -r fx fy < <(face "$x" "$y")
    [ "$(pixel $(( fx + 1 )) $(( fy + 1 )))" = "#FFFFFF" ] && [ "$(ink $(( fx + 2 )) $(( fy + 2 )) 26 18)" -eq 0 ] || continue
    while [ $cy -lt "$y" ]; do key Down; cy=$(( cy + 1 )); done
    while [ $cx -lt "$x" ]; do key Right; cx=$(( cx + 1 )); done
    while [ $cx -gt "$x" ]; do key Left; cx=$(( cx - 1 )); done
    shot
    [ "$(pixel "$fx" "$fy")" = "#FF8000" ] || fail "the cursor is not on cell ($x, $y) of grid 1"
    key $(( entered * 4 + 3 ))
    shot
    [ "$(ink $(( fx + 3 )) $(( fy + 3 )) 24 16)" -gt 0 ] || fail "the typed digit is not in cell ($x, $y)"
    entered=$(( entered + 1 ))
  done
done
[ $entered -eq 2 ] || fail "fewer than two empty cells in the top rows of grid 1"
echo "cursor moved, digits typed"

# T: a cell (and mostly its unit) outlined in the hint's sky blue, a sentence in the help panel.
key t
shot
outlined=$(colour_count '#0096E6' 0 0 1150 870)
[ "$outlined" -gt 100 ] || fail "no hint outlines on the board ($outlined pixels)"
[ "$(help_panel)" != "$before_help" ] ||
  fail "no hint sentence in the help panel"
echo "hint shown: $outlined outline pixels"

# The next key takes it away.
key Right
shot
[ "$(colour_count '#0096E6' 0 0 1150 870)" -eq 0 ] || fail "the hint's outlines are still there after a key"
[ "$(help_panel)" = "$before_help" ] ||
  fail "the help panel does not show its text again after the hint"

escape_ends_game

quit_game
echo "1 passed, 0 failed"
