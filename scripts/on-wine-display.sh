#!/usr/bin/env bash
# Runs one command on a virtual display (Xvfb) with Wine in the prefix named
# by PW_WINEPREFIX (build/wineprefix-test when unset): the wineserver is
# started on that display and the prefix made ready before the command, and
# ended after it. The command's exit code is passed through.
#
# Usage: scripts/on-wine-display.sh COMMAND [ARG...]
#   e.g. scripts/on-wine-display.sh wine build/win32/bench/bench_startup.exe ...
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export PW_WINEPREFIX="${PW_WINEPREFIX:-$root/build/wineprefix-test}"
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
# A wineserver started before the display would not see it.
wineserver -k 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT

# shellcheck disable=SC2016
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1
  "$@"
' on-wine-display "$@"
