#!/bin/bash
# run_fuzzers.sh BUILD SECONDS — runs every fuzz harness of BUILD for SECONDS each, from the committed seeds.
# New inputs collect in BUILD/corpus/NAME; a crash, a sanitizer report or a leak fails the run, and the
# input that caused it is left in BUILD/crashes. The temporary files go to a tmpfs when there is one.
set -u
build="$(cd "$1" && pwd)"
seconds="$2"
here="$(cd "$(dirname "$0")" && pwd)"
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
mkdir -p "$build/crashes"
status=0
for harness in "$build"/tests/fuzz/*_fuzz; do
    name="$(basename "$harness" _fuzz)"
    work="$build/corpus/$name"
    mkdir -p "$work"
    log="$build/fuzz-$name.log"
    echo "== $name: $seconds s"
    if ! "$harness" "$work" "$here/corpus/$name" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/crashes/$name-" >"$log" 2>&1; then
        echo "FEHLER: $name (see $log)"
        tail -n 40 "$log"
        status=1
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb)' "$log"
done
exit $status
