#!/usr/bin/env bash
# Runs a Windows program under Wine, passing its exit code through. CMake uses
# it to run the cross-built tests (CMAKE_CROSSCOMPILING_EMULATOR).
#
# Tests get their own prefix, build/wineprefix-test, apart from the one the
# program started by run.sh uses; PW_WINEPREFIX chooses another. Runs that use
# the same prefix take turns, since they would share hotkeys, the clipboard and
# the tray. Without a display, the program runs on a virtual one (Xvfb).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export PW_WINEPREFIX="${PW_WINEPREFIX:-$root/build/wineprefix-test}"

# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"

# Held by this script, not by Wine: the wineserver outlives the program by a
# few seconds and must not keep the next run waiting.
exec 9>"$WINEPREFIX.run-lock"
flock 9

# A run that failed, or was killed (e.g. by a test timeout), may have left
# programs behind in the prefix that would disturb the next one: end them.
leftovers="$WINEPREFIX.unclean"
if [[ -e "$leftovers" ]]; then
  wineserver -k 2>/dev/null || true
fi
touch "$leftovers"

# wine returns the program's exit code (its low 8 bits).
status=0
if [[ -n "${DISPLAY:-}" ]]; then
  wine "$@" 9>&- || status=$?
else
  # The Wine session must end with the virtual display it ran on.
  # shellcheck disable=SC2016 # expanded by the inner shell
  xvfb-run -a -s "-screen 0 1024x768x24" \
    bash -c 'wine "$@"; status=$?; wineserver -k 2>/dev/null; exit "$status"' wine-run "$@" 9>&- ||
    status=$?
fi
if ((status == 0)); then
  rm -f "$leftovers"
fi
exit "$status"
