#!/usr/bin/env bash
# Sets up, builds and starts Pastewise under Wine, on the current display.
# Arguments are passed to Pastewise.exe.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

scripts/setup.sh
# The program as it ships; a 64-bit build of it where the machine cannot run
# 32-bit programs (scripts/windows-tree.sh).
tree="$(scripts/windows-tree.sh)"
scripts/build.sh "$tree" -- Pastewise

if [[ -z "${DISPLAY:-}" ]]; then
  cat >&2 <<'MSG'
run.sh: Pastewise is built, but there is no display (DISPLAY is not set) to
show its window on. Run scripts/run.sh from a terminal in a graphical desktop
session, or start Pastewise on a virtual display that you cannot see:
    xvfb-run -a scripts/run.sh
MSG
  exit 1
fi

# build/wineprefix: the program's own prefix; the tests use another one.
unset PW_WINEPREFIX
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
exec wine "build/$tree/Pastewise.exe" "$@"
