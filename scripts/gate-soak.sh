#!/usr/bin/env bash
# Release gate: the soak under Wine (bench/soak): ROUNDS hotkey pastes into a
# window of the soak's own and as many clipboard changes with auto-copy and
# auto-add on (10,000 by default), the program's GDI and USER objects and
# private bytes sampled every 1,000. Not part of the test run; see
# docs/RELEASING.md. Runs in a Wine prefix of its own on a virtual display and
# keeps its report in build/win32/soak.log.
#
# Usage: scripts/gate-soak.sh [ROUNDS]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

rounds="${1:-10000}"
scripts/build.sh win32 -- Pastewise soak

status=0
PW_WINEPREFIX="$root/build/wineprefix-soak" scripts/on-wine-display.sh \
  wine build/win32/bench/soak.exe --pastewise=build/win32/Pastewise.exe "--rounds=$rounds" \
  --every=1000 2>&1 | tee build/win32/soak.log || status=$?
exit "$status"
