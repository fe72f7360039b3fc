#!/usr/bin/env bash
# End to end on small and high-resolution screens: on 1366 x 768 the first window with its frame lies inside the
# screen, the whole board and the clock are on it, and a click on a cell of the scaled picture opens the pad on
# that cell; the window carries the game's icon and the window class its desktop entry names. On 2880 x 1800 at
# a scale of 200 % it fits too, text is drawn at the screen's resolution, and maximised the picture is centred.
# Usage: screen_fit.sh BUILD_DIR SOURCE_DIR [laptop|hidpi] — both screens, each in an X session of its own,
# unless one is named.
set -uo pipefail
if [ -z "${3:-}" ]; then
  bash "$0" "$1" "$2" laptop && bash "$0" "$1" "$2" hidpi && echo "1 passed, 0 failed"
  exit
fi
source "$(dirname "$0")/x_session.bash"

screen_shot() { sleep 0.5; import -window root -depth 8 "$work/screen.png" || fail "no screenshot"; }
colour() { convert "$work/screen.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1; }
dark() { convert "$work/screen.png" -crop "$3x$4+$1+$2" -depth 8 -colorspace gray -threshold 50% txt:- | grep -c '#000000'; }
# The frame on the screen: sets fx fy fw fh; the client: cx cy cw ch.
frame_geometry() {
  local l r t b
  local info
  info=$(xwininfo -id "$main_window")  # absolute coordinates of the client (xdotool adds the frame twice)
  cx=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info") cy=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  cw=$(sed -n 's/.*Width: *//p' <<<"$info") ch=$(sed -n 's/.*Height: *//p' <<<"$info")
  read -r l r t b < <(xprop -id "$main_window" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ',')
  fx=$((cx - ${l:-0})) fy=$((cy - ${t:-0})) fw=$((cw + ${l:-0} + ${r:-0})) fh=$((ch + ${t:-0} + ${b:-0}))
}
expect_inside() {  # expect_inside SCREEN_W SCREEN_H what
  frame_geometry
  [ "$fx" -ge 0 ] && [ "$fy" -ge 0 ] && [ $((fx + fw)) -le "$1" ] && [ $((fy + fh)) -le "$2" ] ||
    fail "the frame ${fw}x${fh}+${fx}+${fy} is not inside the ${1}x${2} screen ($3)"
}
# Screen position of picture pixel X Y: sets sx sy (the picture fills the client below the menu bar: `top`).
at() { sx=$(( cx + $1 * cw / 1478 )) sy=$(( cy + top + $2 * cw / 1478 )); }

# --- 1366 x 768 ---
if [ "$3" = laptop ]; then
start_x_session 1366x768
cp "$source_dir"/data/*.drz "$work"/ || fail "no level files in $source_dir/data"
start_game
sleep 1
expect_inside 1366 768 "1366 x 768"
[ "$cw" -lt 1478 ] || fail "the window is not scaled down on 1366 x 768 (client ${cw}x${ch})"
import -window "$main_window" -depth 8 "$work/shot.png" || fail "no screenshot"
find_picture_top "$work/shot.png"
picture_height=$(( ch - top ))
[ $(( picture_height * 1478 / cw )) -ge 940 ] || fail "the picture is cut off (${cw}x${picture_height} below the menu bar)"
screen_shot
at 1240 834  # the clock label, above its digits
[ "$(colour $sx $sy)" = "#FFFFFF" ] || fail "the clock is not on the screen (at $sx, $sy: $(colour $sx $sy))"
at 1470 940
[ "$sy" -lt 768 ] || fail "the bottom of the picture lies below the screen"
echo "1366 x 768: frame ${fw}x${fh}+${fx}+${fy} inside the screen, the whole picture and the clock on it"

# The window class is the one the desktop entry names, and the window carries the icon.
wm_class=$(xprop -id "$main_window" WM_CLASS | sed -n 's/.*= //p')
entry_class=$(sed -n 's/^StartupWMClass=//p' "$source_dir"/data/desktop/*.desktop)
[ -n "$entry_class" ] || fail "the desktop entry names no StartupWMClass"
echo "$wm_class" | grep -q "\"$entry_class\"\$" || fail "WM_CLASS $wm_class does not end in \"$entry_class\""
xprop -id "$main_window" _NET_WM_ICON >"$work/icon.txt"
grep -q "Icon (128 x 128)" "$work/icon.txt" || fail "the window carries no 128 x 128 icon: $(grep -o "Icon ([0-9]* x [0-9]*)" "$work/icon.txt" | tr "\n" " "; head -c 80 "$work/icon.txt")"
echo "window class $wm_class and the game's icon"

# A new game; a click on an empty cell of the scaled picture opens the pad over that cell.
xdotool windowactivate --sync "$main_window" 2>/dev/null; xdotool key --delay 80 alt+d n; sleep 1
screen_shot
cell=""
for y in 1 2 3 4 5 6; do
  for x in 1 2 3 4 5 6; do
    px=$(( 29 + 33 * (x - 1) )) py=$(( 35 + 25 * (y - 1) ))
    at $(( px + 4 )) $(( py + 4 )); sx0=$sx sy0=$sy
    at $(( px + 28 )) $(( py + 20 ))
    [ "$(dark $sx0 $sy0 $((sx - sx0)) $((sy - sy0)))" -eq 0 ] && { cell="$px $py"; break 2; }
  done
done
[ -n "$cell" ] || fail "no empty cell in grid 1 of the dealt board"
read -r px py <<<"$cell"
at $(( px - 8 )) $(( py - 8 )); pad_x=$sx pad_y=$sy
before=$(dark $pad_x $pad_y $(( 46 * cw / 1478 )) $(( 46 * cw / 1478 )))
at $(( px + 16 )) $(( py + 12 ))
xdotool mousemove "$sx" "$sy" sleep 0.2 click 1
# The pad's digits and lines darken its square; how much depends on the cells it covers, and a loaded machine
# may take a moment to show it.
for _ in 1 2 3 4; do
  screen_shot
  after=$(dark $pad_x $pad_y $(( 46 * cw / 1478 )) $(( 46 * cw / 1478 )))
  [ "$after" -gt $(( before + 50 )) ] && break
done
[ "$after" -gt $(( before + 50 )) ] || fail "no pad over the clicked cell ($before dark pixels before, $after after)"
xdotool key Escape; sleep 0.3; xdotool key Escape; sleep 0.3
echo "a click on the cell at ($px, $py) opened the pad there"
quit_game
exit 0
fi

# --- 2880 x 1800 at 200 % ---
start_x_session 2880x1800
export QT_SCALE_FACTOR=2
start_game
sleep 1
expect_inside 2880 1800 "2880 x 1800 at 200 %"
import -window "$main_window" -depth 8 "$work/shot.png" || fail "no screenshot"
# Text at the screen's resolution has smooth edges: shades between black and white in the help panel's text.
shades=$(convert "$work/shot.png" -crop "$((cw * 130 / 1478))x$((cw * 12 / 1478))+$((cw * 1205 / 1478))+$((ch * 720 / 1000))" \
  -depth 8 -colorspace gray -format %c histogram:info:- | wc -l)
[ "$shades" -gt 8 ] || fail "the help text shows only $shades shades: not drawn at the screen's resolution"
# Maximised: the picture is centred; its bottom strip's light edge runs from the picture's left to its right.
wmctrl -r "$title" -b add,maximized_vert,maximized_horz
sleep 1.5
frame_geometry
import -window "$main_window" -depth 8 "$work/shot.png" || fail "no screenshot"
row=$(( ch - 4 ))
for y in $(seq $(( ch - 2 )) -1 $(( ch - 80 ))); do
  line=$(convert "$work/shot.png" -crop "${cw}x1+0+$y" -depth 8 txt:- | grep -n '#FFFFFF' | sed -n '1p;$p' | cut -d: -f1 | tr '\n' ' ')
  read -r first last <<<"$line"
  [ -n "${last:-}" ] && [ $(( last - first )) -gt $(( cw / 2 )) ] && { row=$y; break; }
done
[ -n "${last:-}" ] || fail "no bottom strip found in the maximised window"
left=$(( first - 2 )) right=$(( cw - last ))
[ "$left" -gt 20 ] || fail "the maximised picture is not centred: $left px on the left"
# The light edge ends a pixel or two before the picture's right edge.
[ $(( left - right )) -le 8 ] && [ $(( right - left )) -le 8 ] ||
  fail "the maximised picture is not centred: $left px on the left, $right px on the right (row $row)"
echo "2880 x 1800 at 200 %: fits, smooth text, maximised ${cw}x${ch} centred ($left | $right)"
quit_game
