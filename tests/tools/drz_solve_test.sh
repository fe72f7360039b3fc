# drz solve: messages in order, the trace, where the result is saved, and what happens on failure.
source "$(dirname "$0")/drz_common.bash"
[ -x "$DRZ" ] || { echo "drz not built: $DRZ"; exit 1; }

cp "$SAMPLE" "$WORK/b.drz"
expect_exit 0 "$DRZ" solve "$WORK/b.drz" 0
[ "$(cat "$WORK/out")" = "Das Brett wurde gelöst!" ] || fail "slot 0: $(cat "$WORK/out")"
# Saved into the same slot; the other slots keep their bytes.
for s in 1 2 3; do
    [ "$(slot_bytes "$WORK/b.drz" $s)" = "$(slot_bytes "$SAMPLE" $s)" ] || fail "slot $s changed"
done
[ "$(slot_bytes "$WORK/b.drz" 0)" != "$(slot_bytes "$SAMPLE" 0)" ] || fail "slot 0 not saved"
[ "$(stat -c %s "$WORK/b.drz")" -eq 67929 ] || fail "file length"

# Needs more than 15 passes: unfinished.
expect_exit 0 "$DRZ" solve "$SAMPLE" 1 "$WORK/out1.drz"
[ "$(cat "$WORK/out")" = "Das Brett läßt sich nicht eindeutig lösen?" ] || fail "slot 1: $(cat "$WORK/out")"
[ -f "$WORK/out1.drz" ] || fail "OUT not written"
slot_bytes "$WORK/out1.drz" 0 | grep -q '[1-9a-f]' && fail "OUT slot 0 should be empty in a new file"
[ "$(slot_bytes "$WORK/out1.drz" 1)" != "$(slot_bytes "$SAMPLE" 1)" ] || fail "OUT slot 1 not the partly solved board"

# A wrong entry that kills a cell: two messages, the retry from the givens solves it.
expect_exit 0 "$DRZ" solve "$SAMPLE" 2 "$WORK/out2.drz" 3
printf 'Das Brett läßt sich nicht eindeutig lösen?\nDas Brett wurde gelöst!\n' > "$WORK/want"
cmp -s "$WORK/out" "$WORK/want" || fail "slot 2 messages: $(cat "$WORK/out")"
"$DRZ" show "$WORK/out2.drz" 3 > "$WORK/shown" || fail "show the result"
expect_in "$WORK/shown" "Brett gelöst!!! "

# --trace: every placement as "grid column row digit" before the message, anywhere on the line.
expect_exit 0 "$DRZ" solve "$SAMPLE" --trace 0 "$WORK/t.drz"
tail -n 1 "$WORK/out" | grep -qx "Das Brett wurde gelöst!" || fail "trace: message not last"
placements=$(grep -cE '^([1-9]|1[0-3]) [1-9] [1-9] [1-9]$' "$WORK/out")
# 909 cells, 208 given: 701 placements.
[ "$placements" -eq 701 ] || fail "trace: $placements placements instead of 701"
[ "$(grep -c '' "$WORK/out")" -eq 702 ] || fail "trace: stray lines"

# Wrong calls.
expect_exit 2 "$DRZ" solve "$SAMPLE"
expect_exit 2 "$DRZ" solve "$SAMPLE" 7
expect_exit 2 "$DRZ" solve "$SAMPLE" 0 "$WORK/x.drz" 9
expect_exit 2 "$DRZ" solve "$SAMPLE" 0 "$WORK/x.drz" 1 zuviel
expect_exit 2 "$DRZ" solve "$SAMPLE" 0 --schnell
[ -e "$WORK/x.drz" ] && fail "a wrong call wrote a file"

# Files that cannot be read or written: the reason, exit 1, nothing damaged.
expect_exit 1 "$DRZ" solve "$WORK/fehlt.drz" 0
expect_in "$WORK/err" "fehlt"
expect_exit 1 "$DRZ" solve "$SAMPLE" 0 "$WORK/kein/ordner.drz"
expect_in "$WORK/err" "konnte nicht"
expect_in "$WORK/err" "ordner.drz"
cp "$SAMPLE" "$WORK/ro.drz"
chmod a-w "$WORK/ro.drz"
expect_exit 1 "$DRZ" solve "$WORK/ro.drz" 0
expect_in "$WORK/err" "schreibgeschützt"
cmp -s "$WORK/ro.drz" "$SAMPLE" || fail "read-only file changed"
ls -A "$WORK" | grep -q '\.tmp$' && fail "temporary file left behind"

# In place into a file of the wrong length: the other sound boards stay, the damaged file is kept beside it,
# stderr says so; a killed save's temporary file goes.
head -c 5700 "$SAMPLE" > "$WORK/kurz.drz"  # slots 0 and 1 inside, 2 and 3 not
: > "$WORK/.kurz.drz.0123456789abcdef.tmp"
expect_exit 0 "$DRZ" solve "$WORK/kurz.drz" 0
expect_in "$WORK/err" "beschädigt"
expect_in "$WORK/err" "Brett 2"
cmp -s <(head -c 5700 "$SAMPLE") "$WORK/kurz.drz.beschädigt" || fail "the damaged file was not kept as it was"
[ "$(stat -c %s "$WORK/kurz.drz")" -eq 67929 ] || fail "the repaired file is not 67929 bytes"
[ "$(slot_bytes "$WORK/kurz.drz" 1)" = "$(slot_bytes "$SAMPLE" 1)" ] || fail "slot 1 was not kept"
[ -e "$WORK/.kurz.drz.0123456789abcdef.tmp" ] && fail "the killed save's temporary file is still there"
finish
