#!/usr/bin/env bash
# The manual pages as man shows them at several widths: German words are never broken at a line's end by
# hyphenation (a break at a line's end is only ever a hyphen the text itself has), and they use the manual's
# words for the pad and the levels.
# Usage: man_pages.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
pages=("$2/data/man/dreizehner.6" "$2/data/man/drz.6")
fail() { echo "FAIL: $*"; exit 1; }
command -v man >/dev/null || fail "man is not installed (make deps installs man-db)"
for page in "${pages[@]}"; do
  source_text=$(tr -d '\\' <"$page" | tr '\n' ' ')
  for width in 40 55 70 90; do
    # Each line ending in a hyphen, joined with the first word of the next line, must stand so in the source.
    while read -r broken; do
      broken=${broken%%[.,;:)]*}
      grep -qF -- "$broken" <<<"$source_text" || fail "$(basename "$page") at width $width breaks a word: $broken"
    done < <(MANWIDTH=$width man -l "$page" 2>/dev/null | sed 's/‐/-/g' |
               awk '{ if (held != "") { print held $1; held = "" } }
                    $NF ~ /[[:alpha:]]-$/ { held = $NF }')
  done
done
grep -qi 'Ziffernfeld' "${pages[@]}" && fail "the manual calls the pad \"Zahlenfeld\""
grep -q 'Zahlenfeld' "${pages[0]}" || fail "dreizehner(6) does not name the Zahlenfeld"
echo "manual pages: no word broken by hyphenation"
