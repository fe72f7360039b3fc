#!/usr/bin/env bash
# The random-input soak of the real game (an ASan + UBSan build) in a private X server with a window manager.
# Usage: soak.sh BUILD_DIR SOURCE_DIR [SECONDS]   (SOAK_SEED replays a run, SOAK_MAX_ACTIONS bounds it,
# SOAK_VERBOSE=1 prints every action)
# A failing run's folder (game files, sanitizer reports, log) is kept in /tmp/dreizehner-soak-SEED.
set -uo pipefail
seconds=${3:-${SOAK_SECONDS:-60}}
seed=${SOAK_SEED:-$(( $(od -An -N4 -tu4 /dev/urandom) % 2147483646 + 1 ))}
source "$(dirname "$0")/../e2e/x_session.bash"
command -v python3 >/dev/null || fail "python3 is not installed"
[ -x "$build/dreizehner" ] && [ -x "$build/drz" ] && [ -f "$build/Dreizehner.chm" ] ||
  fail "$build lacks dreizehner, drz or Dreizehner.chm"
start_x_session
export HOME="$work"  # the dialogs' settings and the help collection stay in here

python3 "$(dirname "$0")/soak.py" --build "$build" --source "$source_dir" --work "$work" --seconds "$seconds" \
  --seed "$seed" --max-actions "${SOAK_MAX_ACTIONS:-100000}" ${SOAK_VERBOSE:+--verbose}
status=$?
if [ "$status" -ne 0 ]; then
  keep="/tmp/dreizehner-soak-$seed"
  rm -rf "$keep" && cp -r "$work" "$keep" && echo "the run's folder is kept in $keep"
fi
exit "$status"
