#!/bin/bash
# Every shipped level file meets every requirement of its level: drz check --level on each.
# Usage: levels_check.sh BUILD-DIR SOURCE-DIR
set -u
build=$1
source=$2
failed=0
while read -r level seed file; do
  case $level in ''|'#'*) continue ;; esac
  if ! "$build/drz" check "$source/data/$file" --level "$level"; then
    echo "FAILED: data/$file is not a good $level file (seed $seed)"
    failed=1
  fi
done < "$source/tools/level_seeds.txt"
exit $failed
