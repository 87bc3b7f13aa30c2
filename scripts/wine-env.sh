# shellcheck shell=bash
# Sourced: sets up the environment for running Pastewise under Wine and makes
# the Wine prefix if it is not there yet.
#
# The prefix is build/wineprefix unless PW_WINEPREFIX names another one.
# Hotkeys, the clipboard and the tray are shared by everything in a prefix, so
# each concurrent job gets its own: the tests use build/wineprefix-test (see
# wine-run.sh), the program started by run.sh uses build/wineprefix.

pw_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

export WINEPREFIX="${PW_WINEPREFIX:-$pw_root/build/wineprefix}"
export WINEARCH=win32
# A machine that cannot run 32-bit programs runs the 64-bit build under the
# 64-bit Wine (scripts/windows-tree.sh), whatever 32-bit Wine may be installed.
if [[ "$("$pw_root/scripts/windows-tree.sh")" == win64 ]]; then
  export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
  pw_wine64_bin="$pw_root/build/wine64-bin"
  if [[ ! -x "$pw_wine64_bin/wine-stable" ]]; then
    mkdir -p "$pw_wine64_bin"
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$pw_wine64_bin/wine"
    chmod +x "$pw_wine64_bin/wine"
    ln -sf wine "$pw_wine64_bin/wine-stable"
  fi
  case ":$PATH:" in
    *":$pw_wine64_bin:"*) ;;
    *) export PATH="$pw_wine64_bin:$PATH" ;;
  esac
  unset pw_wine64_bin
fi
export WINEDEBUG=-all
# No prompts to install Mono or Gecko: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Made last, so a prefix whose creation was interrupted is made again. The
# number changes when the settings below change, to remake older prefixes.
pw_prefix_ready="$WINEPREFIX/.pastewise-ready-2-$WINEARCH"

pw_make_prefix() {
  if [[ -d "$WINEPREFIX" ]]; then
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  # wineboot returns before the prefix is complete; wineserver -w waits for it.
  wineboot -i || return 1
  wineserver -w || return 1
  # Without a window manager, Wine waits about 2 s on every hide or close of a
  # managed window; unmanaged windows do not wait.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f || return 1
  # A crash prints a backtrace and ends the program instead of opening a
  # dialog that nobody closes.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f || return 1
  wineserver -w || return 1
  touch "$pw_prefix_ready"
}

if [[ ! -f "$pw_prefix_ready" ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Two processes may get here at once: one makes the prefix, the other waits.
  # A run of wine-run.sh in an older prefix is let finish before it is remade.
  if ! (
    flock 9
    if [[ ! -f "$pw_prefix_ready" ]]; then
      exec 8>"$WINEPREFIX.run-lock"
      flock 8
      echo "wine-env: creating the Wine prefix $WINEPREFIX" >&2
      if ! pw_make_prefix >"$WINEPREFIX.log" 2>&1; then
        echo "wine-env: could not create the Wine prefix $WINEPREFIX:" >&2
        tail -n 30 "$WINEPREFIX.log" >&2
        exit 1
      fi
    fi
  ) 9>"$WINEPREFIX.lock"; then
    return 1
  fi
fi
unset -f pw_make_prefix
unset pw_prefix_ready
