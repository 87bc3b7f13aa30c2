#!/usr/bin/env bash
# The start-up benchmark under Wine: the program with 10 and with 100k stored
# rows against the floor program built beside the benchmark (see
# bench/bench_startup.cpp). Runs in the tests' Wine prefix on a virtual
# display; run it on an otherwise idle machine.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
# The 64-bit build where the machine cannot run 32-bit programs.
tree="$(scripts/windows-tree.sh)"
scripts/build.sh "$tree" -- Pastewise bench_startup
# shellcheck disable=SC2016
scripts/on-wine-display.sh bash -c \
  'wine "build/$1/bench/bench_startup.exe" "$(winepath -w "build/$1/Pastewise.exe" 2>/dev/null)"' \
  bench-startup "$tree"
