#!/usr/bin/env bash
# A packager's plain configure with BUILD_TESTING=OFF on a machine without GoogleTest and Google Benchmark (both
# hidden from CMake): it succeeds, and a build makes only the game, drz, the launcher, the manual, the manual
# pages and the changelog.
# Usage: plain_build.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source_dir=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake -S "$source_dir" -B "$work/b" -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >"$work/configure.log" 2>&1 \
  || { cat "$work/configure.log"; fail "the plain configure needs GoogleTest or Google Benchmark"; }
ninja -C "$work/b" -t query data/help/all | grep -x '    data/help/help_file' >/dev/null || fail "the manual is not built"

# What the default target builds, read from ninja's graph (the layers' own static libraries aside): programs and
# files, no test, benchmark or picture tool.
built=$(ninja -C "$work/b" -t query all | sed -n '/^  input:/,/^  outputs:/s/^    //p' | grep -v '^lib.*\.a$' | sort |
  tr '\n' ' ')
expected="changelog data/help/all dreizehner drz man_dreizehner man_drz"
for target in $built; do
  case " $expected " in *" $target "*) ;; *) fail "the plain build also makes $target (makes: $built)" ;; esac
done
for target in $expected; do
  case " $built " in *" $target "*) ;; *) fail "the plain build does not make $target (makes: $built)" ;; esac
done
[ -s "$work/b/launcher/dreizehner" ] || fail "no launcher was configured"
echo "plain build: $built"
