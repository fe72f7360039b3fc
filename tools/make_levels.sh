#!/bin/bash
# Regenerates the four level files in data/ from the seeds in tools/level_seeds.txt and checks each one.
# Usage: tools/make_levels.sh [BUILD-DIR]   (default: build; configured as make does if missing)
# Only the drz tool is built.
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-build}
case $build_dir in /*) ;; *) build_dir="$source_dir/$build_dir" ;; esac

if [ ! -f "$build_dir/build.ninja" ] && [ ! -f "$build_dir/Makefile" ]; then
  cmake -S "$source_dir" -B "$build_dir" -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build_dir" --target drz
drz="$build_dir/drz"

while read -r level seed file; do
  case $level in ''|'#'*) continue ;; esac
  "$drz" generate --level "$level" --seed "$seed" "$source_dir/data/$file"
  "$drz" check "$source_dir/data/$file" --level "$level" | tail -n 1
done < "$source_dir/tools/level_seeds.txt"
