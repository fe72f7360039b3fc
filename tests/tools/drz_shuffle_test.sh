# drz shuffle: a seed gives the same file, the options, the puzzle stays a puzzle.
source "$(dirname "$0")/drz_common.bash"
[ -x "$DRZ" ] || { echo "drz not built: $DRZ"; exit 1; }

expect_exit 0 "$DRZ" shuffle "$SAMPLE" 0 --seed 42 "$WORK/a.drz"
expect_in "$WORK/out" "Startwert 42 (symmetrisch)"
expect_exit 0 "$DRZ" shuffle "$SAMPLE" 0 --seed 42 "$WORK/b.drz"
cmp -s "$WORK/a.drz" "$WORK/b.drz" || fail "the same seed gave different files"
expect_exit 0 "$DRZ" shuffle "$SAMPLE" 0 --seed 43 "$WORK/c.drz"
cmp -s "$WORK/a.drz" "$WORK/c.drz" && fail "another seed gave the same file"
expect_exit 0 "$DRZ" shuffle "$SAMPLE" 0 --independent --seed 42 "$WORK/d.drz" 2
expect_in "$WORK/out" "(unabhängig)"
[ "$(slot_bytes "$WORK/d.drz" 2)" != "$(slot_bytes "$WORK/a.drz" 0)" ] || fail "--independent made no difference"

# Still the same puzzle in disguise: as many givens, no wrong digit. (The forced steps may need a
# different number of passes afterwards: the grids are worked on in a fixed order.)
for f in "a.drz 0" "d.drz 2"; do
    set -- $f
    "$DRZ" show "$WORK/$1" "$2" > "$WORK/shown" || fail "show $f"
    expect_in "$WORK/shown" "Vorgegebene Zahlen: 208"
    expect_in "$WORK/shown" "Keine Fehler! "
done
# A solved board stays solved, in both kinds of shuffle.
"$DRZ" solve "$SAMPLE" 0 "$WORK/solved.drz" > /dev/null || fail "solve for the shuffle test"
for option in "" --independent; do
    expect_exit 0 "$DRZ" shuffle "$WORK/solved.drz" 0 --seed 5 $option "$WORK/s.drz"
    "$DRZ" show "$WORK/s.drz" 0 > "$WORK/shown" || fail "show shuffled solution"
    expect_in "$WORK/shown" "Brett gelöst!!! "
done
"$DRZ" show "$SAMPLE" 0 | sed 1d > "$WORK/before"
"$DRZ" show "$WORK/a.drz" 0 | sed 1d > "$WORK/after"
cmp -s "$WORK/before" "$WORK/after" && fail "the shuffle changed nothing"

# In place by default.
cp "$SAMPLE" "$WORK/e.drz"
expect_exit 0 "$DRZ" shuffle "$WORK/e.drz" 3 --seed 7
[ "$(slot_bytes "$WORK/e.drz" 3)" != "$(slot_bytes "$SAMPLE" 3)" ] || fail "slot 3 not shuffled in place"
[ "$(slot_bytes "$WORK/e.drz" 1)" = "$(slot_bytes "$SAMPLE" 1)" ] || fail "slot 1 touched"

# Wrong calls and unreadable files.
expect_exit 2 "$DRZ" shuffle "$SAMPLE" 0
expect_in "$WORK/err" "--seed"
expect_exit 2 "$DRZ" shuffle "$SAMPLE" 0 --seed
expect_exit 2 "$DRZ" shuffle "$SAMPLE" 0 --seed -3
expect_exit 2 "$DRZ" shuffle "$SAMPLE" 0 --seed zwölf
expect_exit 2 "$DRZ" shuffle "$SAMPLE" 5 --seed 1
expect_exit 1 "$DRZ" shuffle "$WORK/fehlt.drz" 0 --seed 1
expect_exit 1 "$DRZ" shuffle "$SAMPLE" 0 --seed 1 "$WORK"
finish
