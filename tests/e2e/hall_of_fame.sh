#!/usr/bin/env bash
# End to end in a real X server: a timed game solved by a click on its last cell asks for the name at its place,
# the typed name goes into "Champions.Rhm" with today's date and the time, and the lists are shown. From the menu
# ("&Ruhmeshalle") an old file's lists show at their place, "&Löschen" with "Wirklich löschen?" empties the visible
# list and reopens the dialog, Escape closes it and the game goes on.
# Usage: hall_of_fame.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/x_session.bash"

start_x_session
line() { sed -n "$1p" "$work/Champions.Rhm"; }
free_places() {  # free_places FIRST LAST when — lines FIRST..LAST of the file are free places: "", "", "9"
  local n expected
  for n in $(seq "$1" "$2"); do
    expected=""; [ $((n % 3)) -eq 0 ] && expected=9
    [ "$(line "$n")" = "$expected" ] || fail "line $n is '$(line "$n")' $3, expected a free place"
  done
}

# The level file "leicht.drz": in every slot the solved board of slot 0, all given but the middle cell of grid 1.
cd "$work" || exit 1
cp "$source_dir/data/leicht.drz" "$work/" || fail "no level file in $source_dir/data"
"$build/drz" solve leicht.drz 0 solved.drz 0 >/dev/null || fail "drz could not solve the level board"
dd if=solved.drz of=solution bs=1400 count=1 status=none
printf '\0' | dd of=solution bs=1 seek=$((1 + 14 * 5 + 140 * 5)) conv=notrunc status=none
for slot in 0 1 2 3; do
  for block in 0 1; do dd if=solution of=leicht.drz bs=1400 seek=$((2 * slot + block)) conv=notrunc status=none; done
done
start_game

# The picture starts below the menu bar.
shot
find_picture_top "$work/shot.png"

# "&Neues Spiel" deals and shuffles the board; the one cell with a white face is the empty one.
xdotool key alt+d n
shot
origins_x=(0 29 425 821 227 623 29 425 821 227 623 29 425 821)
origins_y=(0 35 35 35 185 185 335 335 335 485 485 635 635 635)
cells=() format=""
for k in $(seq 13); do
  for y in $(seq 9); do
    for x in $(seq 9); do
      cx=$(( ${origins_x[k]} + 33 * (x - 1) )) cy=$(( ${origins_y[k]} + 25 * (y - 1) ))
      cells+=("$cx,$cy") format+="%[pixel:p{$(( cx + 2 )),$(( cy + 2 + top ))}] "
    done
  done
done
read -r -a faces < <(convert "$work/shot.png" -format "$format" info:)
empty=""
for i in "${!faces[@]}"; do [[ "${faces[i]}" =~ ^(white|srgb\(255,255,255\))$ ]] && [ -z "$empty" ] && empty=${cells[i]}; done
[ -n "$empty" ] || fail "no empty cell on the dealt board"
IFS=, read -r ex ey <<<"$empty"

# The digit the cell lacks is found by trying: a wrong one leaves the board unsolved, the right one asks the name.
asked=""
for digit in $(seq 9); do
  click $(( ex + 16 )) $(( ey + 12 ))
  xdotool key "$digit"
  for _ in $(seq 10); do [ -n "$(windows_named "Ruhmeshalle")" ] && break; sleep 0.1; done
  [ -n "$(windows_named "Ruhmeshalle")" ] && { asked=$digit; break; }
done
[ -n "$asked" ] || fail "no digit in the last cell solved the board"
champ=$(windows_named "Ruhmeshalle" | head -n1)
read -r mx my < <(window_corner "$main_window")
read -r cx cy < <(window_corner "$champ")
[ $((cx - mx)) -eq 451 ] && [ $((cy - my)) -eq 367 ] || fail "name dialog at +$((cx - mx))+$((cy - my)), expected +451+367"
echo "the solved game asks for the name 451, 367 from the main window's corner"

xdotool type --delay 60 "Anna Berg"
xdotool key Return
ruhm=$(wait_for_window "Ruhmeshalle:" "the hall of fame after the record")
[ "$(wc -l <"$work/Champions.Rhm")" -eq 120 ] || fail "the new file has $(wc -l <"$work/Champions.Rhm") lines"
[ "$(line 1)" = "Anna Berg" ] || fail "line 1 is '$(line 1)'"
[ "$(line 2)" = "$(date +%d.%m.%Y)" ] || fail "line 2 is '$(line 2)', not today's date"
[[ "$(line 3)" =~ ^00:0[0-9]:[0-5][0-9]\.[0-9]$ ]] || fail "line 3 is '$(line 3)', not the solving time"
free_places 4 120 "after the record"
echo "Anna Berg is on place 1 of Leicht with today's date and the time $(line 3)"
sleep 0.5
xdotool key Return
wait_for_no_window "Ruhmeshalle:" "OK closes the hall of fame"
sleep 0.3
xdotool key a  # ends the game loop (after the hall of fame Escape does not, until the next pad)
sleep 0.5
quit_game

# An older file: Windows-1252, CR LF, one entry on "Leicht" and one on "Mittel", the rest free.
{
  printf 'J\xfcrgen\r\n07.03.2004\r\n00:41:07.3\r\n'
  for _ in $(seq 9); do printf '\r\n\r\n9\r\n'; done
  printf 'Berta\r\n08.03.2004\r\n01:02:03.4\r\n'
  for _ in $(seq 29); do printf '\r\n\r\n9\r\n'; done
} >"$work/Champions.Rhm"

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
free_places 31 60 "after deleting Mittel"
echo "Löschen empties only the Mittel list, the file is rewritten as UTF-8"

# "&Löschen" once more, the question answered "&NEIN": the lists have the keys again, so Escape (no click) closes
# them; the main window takes input again.
sleep 0.5
xdotool key alt+l
wait_for_count 2 "the question Wirklich löschen? again"
sleep 0.5
xdotool key n
wait_for_count 1 "the question answered NEIN"
free_places 31 60 "after declining the deletion"
sleep 0.5
xdotool key Escape
wait_for_no_window "Ruhmeshalle:" "Escape after NEIN closes the hall of fame"
sleep 0.3
quit_game
echo "the game goes on after the dialog and ends with status 0"
echo "1 passed, 0 failed"
