#!/usr/bin/env bash
# End to end in a real X server with a window manager: P in a timed game covers the board and stops the clock,
# P brings both back; minimising the window pauses the game, restoring it does not go on, a click does.
# Usage: pause.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/x_session.bash"
start_x_session
cp "$source_dir"/data/*.drz "$work"/ || fail "no level files in $source_dir/data"
start_game

# The clock panel's field (the label on it) now and in the screenshot before: the number of pixels that differ.
clock_change() {
  local crop="218x40+1201+$(( 825 + top ))"
  convert "$work/before.png" -crop "$crop" +repage "$work/clock-a.png"
  convert "$work/shot.png" -crop "$crop" +repage "$work/clock-b.png"
  compare -metric AE "$work/clock-a.png" "$work/clock-b.png" null: 2>&1
}
shot_again_later() { cp "$work/shot.png" "$work/before.png"; sleep 1.6; shot; }
board_shown() { [ "$(pixel 62 60)" = "#000000" ] && [ "$(pixel 128 47)" = "#0000BC" ]; }
board_covered() { [ "$(pixel 62 60)" = "#B4C9D0" ] && [ "$(pixel 128 47)" = "#B4C9D0" ]; }

shot
find_picture_top "$work/shot.png"
key alt+d n
shot
board_shown || fail "no board after Neues Spiel"

key p
shot
board_covered || fail "P did not cover the board (pixels $(pixel 62 60) $(pixel 128 47))"
shot_again_later
[ "$(clock_change)" = 0 ] || fail "the clock ran on during the pause"
echo "P covers the board and stops the clock"

key p
shot
board_shown || fail "P did not bring the board back"
shot_again_later
[ "$(clock_change)" != 0 ] || fail "the clock did not go on after the pause"
echo "P goes on"

xdotool windowminimize --sync "$main_window" 2>/dev/null || xdotool windowminimize "$main_window"
sleep 0.8
wmctrl -i -a "$main_window"
xdotool windowactivate --sync "$main_window" 2>/dev/null
shot
board_covered || fail "minimising did not pause the game, or restoring went on"
click 600 500
shot
board_shown || fail "a click on the board did not go on"
echo "minimising pauses, a click goes on"

quit_game
echo "1 passed, 0 failed"
