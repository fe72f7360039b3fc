#!/usr/bin/env bash
# End to end in a real X server: the hall of fame from the menu ("&Ruhmeshalle") shows an old file's lists at its
# place, "&Löschen" with "Wirklich löschen?" empties the visible list in "Champions.Rhm" and reopens the dialog,
# Escape closes it and the game goes on.
# Usage: hall_of_fame.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
title="Dreizehner V5.1 by Mirav"
source "$(dirname "$0")/x_session.bash"

# An older file: Windows-1252, CR LF, one entry on "Leicht" and one on "Mittel", the rest free.
{
  printf 'J\xfcrgen\r\n07.03.2004\r\n00:41:07.3\r\n'
  for _ in $(seq 9); do printf '\r\n\r\n9\r\n'; done
  printf 'Berta\r\n08.03.2004\r\n01:02:03.4\r\n'
  for _ in $(seq 29); do printf '\r\n\r\n9\r\n'; done
} >"$work/Champions.Rhm"
line() { sed -n "$1p" "$work/Champions.Rhm"; }

start_x_session
start_game

xdotool key alt+w
sleep 0.5
xdotool key r
ruhm=$(wait_for_window "Ruhmeshalle:" "the hall of fame from the menu")
sleep 0.5
read -r mx my < <(window_corner "$main_window")
read -r rx ry < <(window_corner "$ruhm")
[ $((rx - mx)) -eq 242 ] && [ $((ry - my)) -eq 200 ] || fail "hall of fame at +$((rx - mx))+$((ry - my)), expected +242+200"
echo "the hall of fame opens 242, 200 from the main window's corner"

# To the "Mittel" tab, "&Löschen", the question answered with Return ("&JA" is the default).
xdotool key ctrl+Tab
sleep 0.3
xdotool key alt+l
wait_for_count 2 "the question Wirklich löschen?"
sleep 0.5
xdotool key Return
wait_for_count 1 "the question answered"
ruhm=$(wait_for_window "Ruhmeshalle:" "the dialog reopened after the deletion" "$ruhm")
[ "$(wc -l <"$work/Champions.Rhm")" -eq 120 ] || fail "the file has $(wc -l <"$work/Champions.Rhm") lines"
grep -q $'\r' "$work/Champions.Rhm" && fail "the rewritten file still has CR line ends"
[ "$(line 1)" = "Jürgen" ] || fail "line 1 is '$(line 1)', expected the old name in UTF-8"
[ "$(line 3)" = "00:41:07.3" ] || fail "line 3 is '$(line 3)'"
for n in $(seq 31 60); do
  expected=""; [ $((n % 3)) -eq 0 ] && expected=9
  [ "$(line "$n")" = "$expected" ] || fail "line $n is '$(line "$n")' after deleting Mittel"
done
echo "Löschen empties only the Mittel list, the file is rewritten as UTF-8"

# Escape closes the dialog; the main window takes input again.
sleep 0.5
xdotool key Escape
wait_for_no_window "Ruhmeshalle:" "Escape closes the hall of fame"
sleep 0.3
quit_game
echo "the game goes on after the dialog and ends with status 0"
echo "1 passed, 0 failed"
