#!/usr/bin/env bash
# Builds libjpeg-turbo for the Windows tree from Debian's source package into a
# cache under build/ (a static library and its headers), once: a cache that is
# complete is left as it is. Needs deb-src in the apt sources (scripts/setup.sh).
#
# Usage: scripts/build-libjpeg-win32.sh [i686 | x86_64]  -> prints the cache folder
#   i686 (the default) for the program; x86_64 for the 64-bit test build of a
#   machine that cannot run 32-bit programs (build/libjpeg-win64).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
arch="${1:-i686}"
case "$arch" in
  i686) cache="$root/build/libjpeg-win32" ;;
  x86_64) cache="$root/build/libjpeg-win64" ;;
  *) echo "build-libjpeg-win32.sh: unknown architecture '$arch' (i686 or x86_64)" >&2; exit 2 ;;
esac
if [[ -f "$cache/.complete" ]]; then
  echo "$cache"
  exit 0
fi

say() { printf 'build-libjpeg-win32: %s\n' "$*" >&2; }
work="$cache-work"
rm -rf "$work" "$cache"
mkdir -p "$work"
log="$work/log"
run_quietly() {
  if ! "$@" >>"$log" 2>&1; then
    say "failed: $*"
    tail -n 40 "$log" >&2
    exit 1
  fi
}

say "fetching Debian's source package"
(cd "$work" && run_quietly apt-get source --download-only libjpeg-turbo)
dsc=$(ls "$work"/libjpeg-turbo_*.dsc | head -n 1)
# Unpacked with Debian's own patches applied; the signature is the archive's
# business, apt has checked the files against its signed index.
run_quietly dpkg-source --no-check -x "$dsc" "$work/src"

say "building it for Windows ($arch, static)"
# No SIMD: it needs an assembler the toolchain does not bring, and the
# program decodes a few small pictures.
run_quietly cmake -S "$work/src" -B "$work/build" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$cache" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF \
  -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF -DCMAKE_POSITION_INDEPENDENT_CODE=OFF
run_quietly cmake --build "$work/build" -j2 --target jpeg-static
mkdir -p "$cache/lib" "$cache/include"
cp "$work/build/libjpeg.a" "$cache/lib/"
cp "$work/build/jconfig.h" "$work/src/jpeglib.h" "$work/src/jmorecfg.h" "$work/src/jerror.h" \
  "$cache/include/"
rm -rf "$work"
touch "$cache/.complete"
say "done: $cache"
echo "$cache"
