#!/bin/bash
# coverage_report.sh BUILD — line coverage per layer (src/*, tools/drz) from the .gcda files of a --coverage
# build whose tests have run. Writes BUILD/coverage.json (gcovr) and prints one line per layer and the total.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
command -v gcovr >/dev/null || { echo "gcovr is not installed (Debian package gcovr)"; exit 2; }
gcovr --root "$root" --filter "$root/src/" --filter "$root/tools/" --gcov-ignore-parse-errors \
    --json-summary "$build/coverage.json" "$build" >/dev/null
python3 - "$build/coverage.json" <<'PY'
import json, sys
from collections import defaultdict
layers = defaultdict(lambda: [0, 0])
for f in json.load(open(sys.argv[1]))["files"]:
    parts = f["filename"].split("/")
    layer = "/".join(parts[:2]) if len(parts) > 2 else f["filename"]
    layers[layer][0] += f["line_covered"]
    layers[layer][1] += f["line_total"]
covered = sum(c for c, _ in layers.values())
total = sum(t for _, t in layers.values())
for layer, (c, t) in sorted(layers.items()):
    print(f"{layer:16} {100.0 * c / max(t, 1):5.1f} %  ({c} of {t} lines)")
print(f"{'all':16} {100.0 * covered / max(total, 1):5.1f} %  ({covered} of {total} lines)")
PY
