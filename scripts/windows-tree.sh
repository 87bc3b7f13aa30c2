#!/usr/bin/env bash
# Prints the Windows build tree that runs under Wine on this machine: win32,
# the program as it ships (32-bit), wherever the kernel runs 32-bit programs;
# win64, a 64-bit build of the same sources for a 64-bit Wine, on a machine
# whose kernel does not (32-bit emulation left out or switched off).
# PW_WINDOWS_TREE=win32|win64 chooses.
set -euo pipefail

if [[ -n "${PW_WINDOWS_TREE:-}" ]]; then
  echo "$PW_WINDOWS_TREE"
  exit 0
fi
# The smallest 32-bit Linux program: it only exits with 0.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
mkdir -p "$root/build"
probe="$(mktemp -p "$root/build" probe-32bit.XXXXXX)"
trap 'rm -f "$probe"' EXIT
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00'\
'\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00'\
'\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00'\
'\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
chmod +x "$probe"
if "$probe" 2>/dev/null; then
  echo win32
else
  echo win64
fi
