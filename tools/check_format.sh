#!/bin/bash
# check_format.sh [FILE...] — checks C++ files against .clang-format without changing them: prints each file
# that differs with the number of its lines that would change, then the total. Without FILE, every .cpp
# and .h under src, tools, tests and bench that git knows. Exit 1 when any line would change.
set -u
root="$(cd "$(dirname "$0")/.." && pwd)"
formatter="${CLANG_FORMAT:-clang-format}"
command -v "$formatter" >/dev/null || { echo "$formatter is not installed (Debian package clang-format)"; exit 2; }
if [ $# -eq 0 ]; then
    mapfile -t files < <(cd "$root" && git ls-files 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h' \
        'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' | sed "s|^|$root/|")
else
    files=("$@")
fi
total=0
for file in "${files[@]}"; do
    changed=$("$formatter" --style=file --assume-filename="$file" < "$file" | diff "$file" - | grep -c '^<')
    if [ "$changed" -gt 0 ]; then
        echo "${file#"$root"/}: $changed"
        total=$((total + changed))
    fi
done
echo "Lines to reformat: $total in ${#files[@]} files"
[ "$total" -eq 0 ]
