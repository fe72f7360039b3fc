#!/bin/bash
# drz generate and drz check: same seed same bytes, other seed other boards, exit codes of the level check.
# Usage: check_generate.sh BUILD-DIR SOURCE-DIR
set -u
drz="$1/drz"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
expect_exit() {  # expected-code description command...
  local want=$1 what=$2; shift 2
  "$@" >"$work/out" 2>&1
  local got=$?
  [ "$got" -eq "$want" ] || { fail "$what: exit $got, expected $want"; cat "$work/out"; }
}

# Byte-identical output for a seed, the filler included; an existing file does not change the result.
expect_exit 0 "generate" "$drz" generate --level leicht --seed 5 "$work/a.drz"
printf 'old content' >"$work/b.drz"
expect_exit 0 "generate over a file" "$drz" generate --level Leicht --seed 5 "$work/b.drz"
cmp -s "$work/a.drz" "$work/b.drz" || fail "same seed gave different files"
[ "$(stat -c %s "$work/a.drz")" -eq 67929 ] || fail "level file is not 67929 bytes"
[ ! -e "$work/a.drz.neu" ] || fail "temporary file left behind"
expect_exit 0 "generate other seed" "$drz" generate --level leicht --seed 6 "$work/c.drz"
cmp -s <(head -c 11200 "$work/a.drz") <(head -c 11200 "$work/c.drz") && fail "other seed gave the same boards"

# The check accepts the level it was made for and rejects the others.
expect_exit 0 "check own level" "$drz" check "$work/a.drz" --level leicht
grep -q "Lösungen: 1, vom Löser gelöst" "$work/out" || fail "check does not report solutions and solver"
expect_exit 1 "check as Extrem" "$drz" check "$work/a.drz" --level extrem
grep -q "nicht minimal" "$work/out" || fail "Extrem check does not name minimality"
expect_exit 0 "check without level" "$drz" check "$work/a.drz"
expect_exit 2 "unknown level" "$drz" check "$work/a.drz" --level sehrschwer
expect_exit 2 "generate without seed" "$drz" generate --level leicht "$work/d.drz"

# A marked candidate, a cut file and a board repeated in two slots are faults.
cp "$work/a.drz" "$work/marked.drz"
printf '\xff' | dd of="$work/marked.drz" bs=1 seek=$((11929 + 1 + 14 + 140 + 1400)) conv=notrunc status=none
expect_exit 1 "marked candidate" "$drz" check "$work/marked.drz" --level leicht
grep -q "Kandidaten" "$work/out" || fail "marked candidate not named"
head -c 11200 "$work/a.drz" >"$work/short.drz"
expect_exit 1 "short file" "$drz" check "$work/short.drz" --level leicht
grep -q "11200 Bytes" "$work/out" || fail "short file not named"
cp "$work/a.drz" "$work/twice.drz"
dd if="$work/a.drz" of="$work/twice.drz" bs=2800 count=1 seek=1 conv=notrunc status=none
expect_exit 1 "repeated board" "$drz" check "$work/twice.drz" --level leicht
grep -q "gleiche Lösung" "$work/out" || fail "repeated solution not named"

# Without a level every slot is judged: damaged bytes or a board without one solution fail the check.
head -c 67929 /dev/urandom >"$work/random.drz"
expect_exit 1 "check random bytes" "$drz" check "$work/random.drz"
grep -q "Platz 0: nicht lesbar" "$work/out" || fail "damaged slot not named"
cp "$work/a.drz" "$work/open.drz"
dd if=/dev/zero of="$work/open.drz" bs=1 count=1400 seek=1400 conv=notrunc status=none  # slot 0 without givens
dd if=/dev/zero of="$work/open.drz" bs=1 count=1400 seek=0 conv=notrunc status=none
printf '\x05' | dd of="$work/open.drz" bs=1 seek=155 conv=notrunc status=none
expect_exit 1 "check a board of many solutions" "$drz" check "$work/open.drz"
grep -q "Platz 0: nicht genau eine Lösung" "$work/out" || fail "many solutions not named"

# A puzzle does not write over an existing file unless told to.
expect_exit 1 "puzzle over a board file" "$drz" generate --puzzle --seed 3 "$work/a.drz"
grep -q "\-\-force" "$work/out" || fail "the refusal does not name --force"
cmp -s <(head -c 11200 "$work/a.drz") <(head -c 11200 "$work/b.drz") || fail "the refused puzzle changed the file"
expect_exit 0 "puzzle with --force" "$drz" generate --puzzle --seed 3 --force "$work/c.drz"

[ "$failures" -eq 0 ] && echo "all drz generate/check cases passed"
exit $((failures > 0))
