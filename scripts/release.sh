#!/usr/bin/env bash
# Builds Pastewise.exe in release mode from a clean tree (build/release) and
# writes the release files into dist/:
#   Pastewise-VERSION-win32.zip   portable: Pastewise.exe, README.txt, LICENSE.txt, CHANGES.txt
#   Pastewise-VERSION-setup.exe   the per-user installer
#   SHA256SUMS                    the checksums of both
# Every date in them is the last commit's, so the same commit gives the same bytes.
#
# Usage: scripts/release.sh [--check-reproducible]
#   --check-reproducible  builds a second time in another tree (build/release-check)
#                         and fails unless the exe, the zip and the installer are
#                         byte-identical to the first build's.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

check=0
case "${1:-}" in
  "") ;;
  --check-reproducible) check=1 ;;
  *) echo "usage: scripts/release.sh [--check-reproducible]" >&2; exit 2 ;;
esac

say() { printf 'release: %s\n' "$*" >&2; }

scripts/setup.sh

commit="$(git rev-parse --short HEAD)"
SOURCE_DATE_EPOCH="$(git log -1 --format=%ct)"
export SOURCE_DATE_EPOCH
if [[ -n "$(git status --porcelain --untracked-files=no)" ]]; then
  say "warning: the work tree has changes that are not committed; the files are not those of $commit"
fi

# A fresh tree each time: nothing left from an earlier build or another
# configuration gets into a release.
build_exe() {
  local tree="$1"
  rm -rf "$tree"
  say "building Pastewise.exe in $tree"
  cmake -S . -B "$tree" --log-level=WARNING "-DCMAKE_TOOLCHAIN_FILE=$root/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$tree" -j2 --target Pastewise >"$tree.log" 2>&1 || {
    tail -n 40 "$tree.log" >&2
    exit 1
  }
}

build_exe build/release
rm -rf dist
scripts/package.sh build/release/Pastewise.exe dist
(cd dist && sha256sum -- Pastewise-*-win32.zip Pastewise-*-setup.exe >SHA256SUMS)
say "wrote dist/ from commit $commit:"
(cd dist && ls -l -- * >&2)

if ((check)); then
  build_exe build/release-check
  scripts/package.sh build/release-check/Pastewise.exe build/release-check/dist
  differ=0
  for pair in build/release/Pastewise.exe:build/release-check/Pastewise.exe \
    $(cd dist && for f in Pastewise-*.zip Pastewise-*.exe; do echo "dist/$f:build/release-check/dist/$f"; done); do
    first="${pair%%:*}"
    second="${pair#*:}"
    if cmp -s "$first" "$second"; then
      say "same bytes in both builds: $(basename "$first")"
    else
      say "DIFFERENT between the two builds: $first and $second"
      differ=1
    fi
  done
  if ((differ)); then
    say "the release is not reproducible"
    exit 1
  fi
  say "the release is reproducible: two builds gave byte-identical files"
fi
