#!/usr/bin/env bash
# Builds Pastewise.exe in release mode from a clean tree (build/release) and
# writes the release files into dist/:
#   Pastewise-VERSION-win32.zip   portable: Pastewise.exe, README.txt, LICENSE.txt, CHANGES.txt
#   Pastewise-VERSION-setup.exe   the per-user installer
#   SHA256SUMS                    the checksums of both
# Every date in them is the last commit's, so the same commit gives the same bytes.
#
# Usage: scripts/release.sh [--check-reproducible] [--into DIR]
#   --check-reproducible  builds a second time in another tree (build/release-check)
#                         and fails unless the exe, the zip and the installer are
#                         byte-identical to the first build's.
#   --into DIR            builds in DIR/build and writes the files into DIR/dist
#                         instead (the test run's release check uses it).
# With PW_RELEASE_CCACHE=1 the compiler runs through ccache, which then hands
# back the objects the test build made with the same flags; never for a real
# release, whose point is a build from nothing.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

check=0
tree=build/release
dist=dist
usage() { echo "usage: scripts/release.sh [--check-reproducible] [--into DIR]" >&2; exit 2; }
while (($#)); do
  case "$1" in
    --check-reproducible) check=1 ;;
    --into) (($# > 1)) || usage; tree="$2/build"; dist="$2/dist"; shift ;;
    *) usage ;;
  esac
  shift
done

say() { printf 'release: %s\n' "$*" >&2; }

scripts/setup.sh
# The JPEG library the test build uses too, built once into build/ and kept.
jpeg_dir="$(scripts/build-libjpeg-win32.sh)"

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
  local launcher=()
  if [[ "${PW_RELEASE_CCACHE:-0}" == 1 ]]; then
    export CCACHE_DIR="${CCACHE_DIR:-$root/build/ccache}"
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S . -B "$tree" --log-level=WARNING "-DCMAKE_TOOLCHAIN_FILE=$root/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release "-DPW_LIBJPEG_DIR=$jpeg_dir" ${launcher[@]+"${launcher[@]}"} >/dev/null
  cmake --build "$tree" -j2 --target Pastewise >"$tree.log" 2>&1 || {
    tail -n 40 "$tree.log" >&2
    exit 1
  }
}

build_exe "$tree"
rm -rf "$dist"
scripts/package.sh "$tree/Pastewise.exe" "$dist"
(cd "$dist" && sha256sum -- Pastewise-*-win32.zip Pastewise-*-setup.exe >SHA256SUMS)
say "wrote $dist/ from commit $commit:"
(cd "$dist" && ls -l -- * >&2)

if ((check)); then
  build_exe "$tree-check"
  scripts/package.sh "$tree-check/Pastewise.exe" "$tree-check/dist"
  differ=0
  for pair in "$tree/Pastewise.exe:$tree-check/Pastewise.exe" \
    $(cd "$dist" && for f in Pastewise-*.zip Pastewise-*.exe; do echo "$dist/$f:$tree-check/dist/$f"; done); do
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
