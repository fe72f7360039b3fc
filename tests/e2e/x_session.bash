# Shared by the end-to-end scripts: a private Xvfb display with openbox, the game started in a work folder,
# waiting for windows by title, and screenshots.  Source it from a script called as SCRIPT BUILD_DIR [SOURCE_DIR].
build=$(cd "$1" && pwd)
source_dir=${2:+$(cd "$2" && pwd)}
title="Dreizehner V5.1 by Mirav"
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log"; exit 1; }

start_x_session() {  # start_x_session [WIDTHxHEIGHT] — a full-HD screen unless told
  for tool in Xvfb openbox xdotool wmctrl convert; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (make deps installs it)"
  done
  # A display number of our own: Xvfb picks a free one and tells it through a pipe.
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 "${1:-1920x1080}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$work/display")"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY

  HOME="$work" openbox >"$work/openbox.log" 2>&1 &  # its settings and cache stay in here
  pids+=($!)
  for _ in $(seq 600); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
  wmctrl -m >/dev/null 2>&1 || { sed "s|^|  openbox: |" "$work/openbox.log"; fail "the window manager did not start"; }
}

windows_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null; }
windows() { windows_named "$title"; }
count_windows() { windows | wc -l; }
wait_for_count() {  # wait_for_count N what
  for _ in $(seq 150); do [ "$(count_windows)" -eq "$1" ] && return 0; sleep 0.1; done
  fail "expected $1 window(s) titled '$title' ($2), saw $(count_windows)"
}
wait_for_window() {  # wait_for_window TITLE what [OLD_ID] — prints the id of a window other than OLD_ID
  local id
  for _ in $(seq 150); do
    id=$(windows_named "$1" | grep -vx "${3:-none}" | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no window titled '$1' ($2)"
}
wait_for_no_window() {  # wait_for_no_window TITLE what
  for _ in $(seq 150); do [ -z "$(windows_named "$1")" ] && return 0; sleep 0.1; done
  fail "the window titled '$1' is still there ($2)"
}

# Starts the game in the work folder and waits for its main window; sets `game` and `main_window`.
start_game() {
  cd "$work" || exit 1
  "$build/dreizehner" >"$work/game.log" 2>&1 &
  game=$!
  pids+=($game)
  wait_for_count 1 "the main window"
  sleep 1
  main_window=$(windows | head -n1)
}

# The main window's screenshot and what it shows, in the game's own pixels (`top` rows below the window's top,
# from find_picture_top): one pixel's colour, the black pixels of a box X Y W H; a click and keys into it.
shot() { sleep 0.4; import -depth 8 -window "$main_window" "$work/shot.png" || fail "no screenshot"; }
pixel() { convert "$work/shot.png" -crop "1x1+$1+$(( $2 + top ))" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1; }
ink() { convert "$work/shot.png" -crop "$3x$4+$1+$(( $2 + top ))" -depth 8 txt:- | grep -c '#000000'; }
click() { xdotool mousemove --window "$main_window" "$1" $(( $2 + top )) sleep 0.1 click "${3:-1}"; sleep 0.3; }
key() { xdotool windowactivate --sync "$main_window" 2>/dev/null; xdotool key --delay 80 "$@"; sleep 0.3; }

# Sets `top`: the first row of the game's picture (the window background at x = 5) in a screenshot of the
# main window, below the menu bar.
find_picture_top() {
  local y
  top=""
  for y in $(seq 0 80); do
    [ "$(convert "$1" -crop "1x1+5+$y" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}')" = "#B4C9D0" ] && { top=$y; break; }
  done
  [ -n "$top" ] || fail "no window background found in the screenshot"
}

# The top-left corner of a window's frame (the window manager's decoration) on the screen: "X Y".
window_corner() {
  local x y left top
  read -r x y < <(xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
  read -r left _ top _ < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ',')
  echo "$((x - ${left:-0})) $((y - ${top:-0}))"
}

# Escape in a game loop: the loop ends and the command bar is erased.
escape_ends_game() {
  key Escape
  shot
  [ "$(pixel 159 898)" = "#B4C9D0" ] || fail "the command bar is still there after Escape"
  echo "Escape ends the game"
}

# Closes the game through its close box and "&JA"; fails unless it ends with status 0.
quit_game() {
  wmctrl -c "$title"
  wait_for_count 2 "the exit question"
  sleep 0.5
  xdotool key j
  for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game" 2>/dev/null && fail "the game still runs after JA"
  wait "$game"
  local status=$?
  [ "$status" -eq 0 ] || fail "exit status $status after JA"
}
