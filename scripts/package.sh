#!/usr/bin/env bash
# Makes the release files from a built Pastewise.exe:
#   OUTDIR/Pastewise-VERSION-win32.zip   the portable zip
#   OUTDIR/Pastewise-VERSION-setup.exe   the per-user installer (NSIS)
# Both are byte-identical for the same inputs: every date in them is
# SOURCE_DATE_EPOCH (the last commit's time when it is not set), the zip's
# entries are in a fixed order and carry no owner or extra times.
#
# Usage: scripts/package.sh [--zip-only | --installer-only] EXE OUTDIR
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

make_zip=1
make_installer=1
case "${1:-}" in
  --zip-only) make_installer=0; shift ;;
  --installer-only) make_zip=0; shift ;;
esac
if (($# != 2)); then
  echo "usage: scripts/package.sh [--zip-only | --installer-only] EXE OUTDIR" >&2
  exit 2
fi
exe="$1"
outdir="$2"
[[ -f "$exe" ]] || { echo "package.sh: no program at $exe" >&2; exit 1; }

version="$(sed -n 's/^#define PW_VERSION_TEXT "\(.*\)"$/\1/p' "$root/src/platform/Product.h")"
[[ -n "$version" ]] || { echo "package.sh: no PW_VERSION_TEXT in src/platform/Product.h" >&2; exit 1; }
if [[ -z "${SOURCE_DATE_EPOCH:-}" ]]; then
  # Outside a git checkout (a source archive), the first date a zip can hold.
  SOURCE_DATE_EPOCH="$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 315532800)"
fi
export SOURCE_DATE_EPOCH

mkdir -p "$outdir"
outdir="$(cd "$outdir" && pwd)"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT

# What a user gets, in the zip and in the install folder alike. The texts get
# Windows line ends, for the editors that still want them.
install -m 644 "$exe" "$stage/Pastewise.exe"
for text in README.txt:resources/release/README.txt LICENSE.txt:LICENSE \
  CHANGES.txt:resources/release/CHANGES.txt; do
  sed 's/\r$//; s/$/\r/' "$root/${text#*:}" >"$stage/${text%%:*}"
  chmod 644 "$stage/${text%%:*}"
done
touch -h -d "@$SOURCE_DATE_EPOCH" "$stage"/*

if ((make_zip)); then
  zip="$outdir/Pastewise-$version-win32.zip"
  rm -f "$zip"
  # zip stores local times: in UTC they are the same wherever this runs.
  # The entries in byte order of their names (the glob sorts so under LC_ALL=C).
  (cd "$stage" && export LC_ALL=C TZ=UTC && zip -q -X -9 "$zip" -- *)
fi

if ((make_installer)); then
  setup="$outdir/Pastewise-$version-setup.exe"
  rm -f "$setup"
  if ! makensis -V2 -INPUTCHARSET UTF8 "-DVERSION=$version" "-DSTAGE=$stage" \
    "-DICON=$root/resources/Pastewise.ico" "-DOUTFILE=$setup" \
    "$root/resources/release/Pastewise.nsi" >"$stage/makensis.log" 2>&1; then
    cat "$stage/makensis.log" >&2
    exit 1
  fi
fi
