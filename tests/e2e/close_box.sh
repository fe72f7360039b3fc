#!/usr/bin/env bash
# End to end in a real X server with a window manager: the game starts, shows its board, and its close box
# asks "Spiel beenden?" — "&NEIN" keeps the game, "&JA" ends it with status 0.
# Usage: close_box.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/x_session.bash"

start_x_session
start_game
# The window's content as the player sees it; the game's picture starts below the menu bar.
import -window "$main_window" "$work/shot.png" || fail "no screenshot"
pixel() { convert "$work/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1; }
height=$(identify -format '%h' "$work/shot.png")
top=""
for y in $(seq 0 80); do
  [ "$(pixel 5 "$y")" = "#B4C9D0" ] && { top=$y; break; }
done
[ -n "$top" ] || fail "no window background found in the screenshot (height $height)"
expect() {  # expect X Y COLOUR what — X, Y in the game's own pixels
  local got
  got=$(pixel "$1" $(( $2 + top )))
  [ "$got" = "$3" ] || fail "pixel ($1, $2) is $got, expected $3 ($4)"
}
expect 45 47 "#FFFFFF" "cell interior of grid 1"
expect 62 60 "#000000" "cell line between columns 1 and 2 of grid 1"
expect 128 47 "#0000BC" "blue box line of grid 1"
expect 127 47 "#0000BC" "blue box line, second pixel"
expect 227 230 "#DA0000" "red outline of the shared box of grids 1 and 4"
expect 600 900 "#B4C9D0" "background under the command bar"
expect 1410 600 "#FFFFFF" "level panel field"
echo "board pixels ok (picture starts $top px below the window's top)"

# Close box, then "&NEIN": the game goes on.
wmctrl -c "$title"
wait_for_count 2 "the exit question"
sleep 0.5
xdotool key n
wait_for_count 1 "the question answered with NEIN"
kill -0 "$game" 2>/dev/null || fail "the game ended after NEIN"
echo "NEIN keeps the game"

# Close box, then "&JA": the game ends with status 0.
quit_game
echo "JA ends the game with status 0"
echo "1 passed, 0 failed"
