#!/usr/bin/env bash
# Sets up, builds, and runs every test: the native unit tests, the same under
# AddressSanitizer and UBSan, and the Windows build's unit and e2e tests under
# Wine on a virtual display, and a bounded run of each fuzz target. One ctest
# run, one summary; exits with its code.
# Arguments are passed to ctest (e.g. -R Hotkey).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

scripts/setup.sh
scripts/build.sh

# The tests' own Wine prefix, apart from the one run.sh uses.
export PW_WINEPREFIX="$root/build/wineprefix-test"
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh

# Wine programs left from an earlier run may hold hotkeys or a dead display.
wineserver -k 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT

# build/native's ctest also runs build/asan's and build/win32's tests
# (tests/External.cmake); the Wine ones run one at a time.
status=0
# A wineserver kept alive for the whole run, with Wine's own background
# programs started once, saves every Wine test about 3 s of shutdown wait.
# shellcheck disable=SC2016
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1
  exec ctest --test-dir build/native -j2 --timeout 120 --repeat until-pass:2 --output-on-failure --no-label-summary "$@"
' test.sh "$@" || status=$?
exit "$status"
