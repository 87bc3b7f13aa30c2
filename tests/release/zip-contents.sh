#!/usr/bin/env bash
# The portable zip made by scripts/package.sh: exactly the four files in a
# fixed order, each dated from SOURCE_DATE_EPOCH, the program unchanged, the
# texts with Windows line ends, and the same bytes whatever the clock, the time
# zone or the files' own dates say.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Any bytes do for the program; an odd size and a NUL catch a text conversion.
printf 'MZ\0\r\nnot a real program\n' >"$work/Pastewise.exe"
touch -d '2001-02-03 04:05:06' "$work/Pastewise.exe"
export SOURCE_DATE_EPOCH=1700000000 # 2023-11-14 22:13:20 UTC

TZ=UTC "$root/scripts/package.sh" --zip-only "$work/Pastewise.exe" "$work/first"
zips=("$work"/first/*.zip)
zip="${zips[0]}"
[[ ${#zips[@]} -eq 1 && "$(basename "$zip")" =~ ^Pastewise-[0-9.]+-win32\.zip$ ]] ||
  fail "expected one Pastewise-VERSION-win32.zip, got: $(ls "$work/first")"

expected=$'CHANGES.txt\nLICENSE.txt\nPastewise.exe\nREADME.txt'
listed="$(unzip -Z1 "$zip")"
[[ "$listed" == "$expected" ]] || fail "entries, in order: got"$'\n'"$listed"

while read -r name stamp; do
  [[ "$stamp" == 20231114.221320 ]] || fail "$name is dated $stamp, not from SOURCE_DATE_EPOCH"
done < <(unzip -Z -T "$zip" | awk '/^-/ { print $8, $7 }')

cmp -s <(unzip -p "$zip" Pastewise.exe) "$work/Pastewise.exe" || fail "Pastewise.exe changed in the zip"
for text in CHANGES.txt LICENSE.txt README.txt; do
  [[ -n "$(unzip -p "$zip" "$text")" ]] || fail "$text is empty"
  # Every LF follows a CR.
  if unzip -p "$zip" "$text" | grep -q $'[^\r]$'; then
    fail "$text has a line without a Windows line end"
  fi
done
unzip -p "$zip" LICENSE.txt | grep -q 'MIT License' || fail "LICENSE.txt is not the MIT license"
unzip -p "$zip" LICENSE.txt | grep -q 'Orvane Software' || fail "LICENSE.txt names no Orvane Software"
unzip -p "$zip" README.txt | grep -qF '%APPDATA%\Orvane\Pastewise' ||
  fail "README.txt does not say where the settings are"

# Again later, in another time zone, from a program file with another date.
touch -d '2011-12-13 14:15:16' "$work/Pastewise.exe"
TZ=America/Los_Angeles "$root/scripts/package.sh" --zip-only "$work/Pastewise.exe" "$work/second"
cmp -s "$zip" "$work/second/$(basename "$zip")" || fail "a second zip of the same files has other bytes"

if ((failures)); then
  exit 1
fi
echo "zip contents: ok"
