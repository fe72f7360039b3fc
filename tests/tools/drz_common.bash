# Shared by the drz tool tests: sourced, not run. Sets DRZ, SAMPLE and WORK (a temporary folder removed on exit).
DRZ="$1/drz"
SAMPLE="$2/data/puzzles/beispiel.drz"
WORK="$(mktemp -d)"
trap 'chmod -R u+w "$WORK" 2>/dev/null; rm -rf "$WORK"' EXIT
FAILURES=0

fail() { echo "FEHLER: $*"; FAILURES=$((FAILURES + 1)); }

# expect_exit CODE COMMAND... — runs the command, keeps stdout in $WORK/out and stderr in $WORK/err.
expect_exit() {
    local want="$1"; shift
    "$@" >"$WORK/out" 2>"$WORK/err"
    local got=$?
    [ "$got" -eq "$want" ] || fail "exit $got instead of $want: $* (stderr: $(head -c 300 "$WORK/err"))"
}

expect_in() { grep -qF -- "$2" "$1" || fail "\"$2\" missing in $(basename "$1"): $(head -c 300 "$1")"; }

# The bytes of one slot's board blocks (2800 bytes at 2800 * slot).
slot_bytes() { dd if="$1" bs=2800 skip="$2" count=1 status=none | od -An -tx1 -v; }

finish() {
    [ "$FAILURES" -eq 0 ] || { echo "$FAILURES Fehler"; exit 1; }
    echo "alles gut"
}
