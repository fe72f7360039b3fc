# drz show: the lattice, the givens, the status text; wrong calls and unreadable files.
source "$(dirname "$0")/drz_common.bash"
[ -x "$DRZ" ] || { echo "drz not built: $DRZ"; exit 1; }

expect_exit 0 "$DRZ" show "$SAMPLE"
expect_in "$WORK/out" "Platz 0"
expect_in "$WORK/out" "Vorgegebene Zahlen: 208"
expect_in "$WORK/out" "Status: Keine Fehler! "
[ "$(grep -c '' "$WORK/out")" -eq 37 ] || fail "show prints $(grep -c '' "$WORK/out") lines, not 37"
# The first lattice line: grids 1, 2 and 3 side by side, three blank cells (six characters) between them.
line=$(sed -n 2p "$WORK/out")
[ "${#line}" -eq 66 ] || fail "lattice line not 66 characters long: '$line'"
[ "${line:18:6}" = "      " ] || fail "no gap between grid 1 and grid 2: '$line'"
[ "${line:24:1}" = " " ] && [ "${line:25:1}" != " " ] || fail "grid 2 does not start at lattice column 12: '$line'"

# Slot 2 holds one wrong entry in grid 1, cell (1, 1).
expect_exit 0 "$DRZ" show "$SAMPLE" 2
[ "$(sed -n 2p "$WORK/out" | cut -c1-2)" = "*1" ] || fail "entry not marked with *"
expect_in "$WORK/out" "Vorgegebene Zahlen: 214"

# A solved board and a board with a repeated digit, made by the tool itself.
cp "$SAMPLE" "$WORK/b.drz"
"$DRZ" solve "$WORK/b.drz" 0 >/dev/null || fail "solve for the show test"
expect_exit 0 "$DRZ" show "$WORK/b.drz" 0
expect_in "$WORK/out" "Status: Brett gelöst!!! "
expect_in "$WORK/out" "Vorgegebene Zahlen: 208"
# Cell (1, 1) of grid 1 is the first byte after index 0 elements: element 1 + 14 + 140 = 155.
printf '\x09' | dd of="$WORK/b.drz" bs=1 seek=155 conv=notrunc status=none
printf '\x09' | dd of="$WORK/b.drz" bs=1 seek=156 conv=notrunc status=none
expect_exit 0 "$DRZ" show "$WORK/b.drz" 0
expect_in "$WORK/out" "Status: Falsche Zahl! "

# A slot whose bytes are no board is named as damaged and not shown.
head -c 67929 /dev/zero | tr '\0' '\377' > "$WORK/kaputt.drz"
expect_exit 1 "$DRZ" show "$WORK/kaputt.drz" 1
expect_in "$WORK/err" "Brett 2 in der Datei"
expect_in "$WORK/err" "beschädigt"

# --help and --version answer on stdout and exit 0; wrong calls: usage and exit 2.
expect_exit 0 "$DRZ" --help
expect_in "$WORK/out" "drz check DATEI"
expect_exit 0 "$DRZ" --version
grep -qE '^drz [0-9]+\.[0-9]+' "$WORK/out" || fail "--version: $(cat "$WORK/out")"
expect_exit 2 "$DRZ"
expect_in "$WORK/err" "Aufruf:"
expect_exit 2 "$DRZ" zeige "$SAMPLE"
expect_in "$WORK/err" "Unbekannter Befehl"
expect_exit 2 "$DRZ" show
expect_exit 2 "$DRZ" show "$SAMPLE" 4
expect_in "$WORK/err" "0, 1, 2 oder 3"
expect_exit 2 "$DRZ" show "$SAMPLE" 1 2
expect_exit 2 "$DRZ" show "$SAMPLE" --nix

# Files that cannot be read: the reason and exit 1.
expect_exit 1 "$DRZ" show "$WORK/fehlt.drz"
expect_in "$WORK/err" "fehlt"
head -c 3000 "$SAMPLE" > "$WORK/kurz.drz"
expect_exit 1 "$DRZ" show "$WORK/kurz.drz" 1
expect_in "$WORK/err" "zu kurz"
expect_exit 0 "$DRZ" show "$WORK/kurz.drz" 0
expect_in "$WORK/err" "nur die Bretter"
expect_exit 1 "$DRZ" show "$WORK"
finish
