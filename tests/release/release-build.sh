#!/usr/bin/env bash
# The release command itself, as a user runs it: scripts/release.sh configures
# and builds Pastewise.exe in a fresh tree and packs the zip and the installer.
# Run into a folder of its own (the first argument), so dist/ is left alone.
# Through ccache: the objects are those the test build compiled with the same
# flags, so what is checked is the release tree's configuration, build and
# link and the packaging, at the cost of a link.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
into="$1"
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

rm -rf "$into"
PW_RELEASE_CCACHE=1 "$root/scripts/release.sh" --into "$into"

dist="$into/dist"
exe="$into/build/Pastewise.exe"
(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the files"
zips=("$dist"/Pastewise-*-win32.zip)
setups=("$dist"/Pastewise-*-setup.exe)
[[ -f "${zips[0]}" && -f "${setups[0]}" ]] || fail "expected a zip and an installer, got: $(ls "$dist")"
if [[ -f "${zips[0]}" ]]; then
  cmp -s <(unzip -p "${zips[0]}" Pastewise.exe) "$exe" || fail "the zip does not hold the exe just built"
fi
# A 32-bit Windows program: "PE\0\0" at the header offset, machine i386 (0x14c).
pe_offset=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
[[ "$(od -An -tx1 -j"$pe_offset" -N6 "$exe" | tr -d ' ')" == 504500004c01 ]] ||
  fail "$exe is not a 32-bit Windows program"
[[ "$(head -c2 "${setups[0]}")" == MZ ]] || fail "the installer is not a Windows program"

if ((failures)); then
  exit 1
fi
echo "release build and packaging: ok"
