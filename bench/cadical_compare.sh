#!/bin/bash
# Our exact search against the SAT solver cadical on the same puzzles, in one run: the sixteen shipped level
# boards and the five minimal puzzles, each proved to have exactly one solution. Prints both times and
# their ratio. cadical's time is the wall time of its two calls (solve; solve again without that solution),
# process start and reading of the CNF included.
# Usage: bench/cadical_compare.sh [BUILD-DIR]   (default: build; needs bench/bench_exact built there)
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$source_dir/build}

if ! command -v cadical >/dev/null 2>&1; then
  echo "cadical is not installed (Debian package cadical): comparison skipped."
  exit 0
fi
if ! command -v python3 >/dev/null 2>&1; then
  echo "python3 is not installed: comparison skipped."
  exit 0
fi
bench="$build_dir/bench/bench_exact"
if [ ! -x "$bench" ]; then
  echo "$bench is missing: build the target bench_exact first." >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DRZ_PUZZLE_DIR="$source_dir/data/puzzles" "$bench" --benchmark_out="$work/ours.json" \
  --benchmark_out_format=json >/dev/null 2>&1
python3 "$source_dir/bench/cadical_cnf.py" "$source_dir/data" "$work/ours.json"
