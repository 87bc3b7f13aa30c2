#!/usr/bin/env bash
# Configures and builds the build trees under build/, keeping what is already
# built:
#   build/native  the portable core, unit tests and benchmarks
#   build/asan    the same with AddressSanitizer and UBSan (tests named asan.*)
#   build/win32   Pastewise.exe, the unit tests and the e2e tests for Windows
#                 (32-bit, cross-built with mingw-w64), with libjpeg-turbo
#                 built once from Debian's source into build/libjpeg-win32
#   build/win64   instead of build/win32 on a machine that cannot run 32-bit
#                 programs (scripts/windows-tree.sh): the same, 64-bit, for the
#                 64-bit Wine; the release is built 32-bit all the same
#   build/fuzz    the libFuzzer targets, built with clang (tests named fuzz.*,
#                 each a bounded run); only the fuzzers are built there
#
# Usage: scripts/build.sh [TREE...] [-- TARGET...]
#   With no tree, builds all four; with targets, only those.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
export CCACHE_DIR="${CCACHE_DIR:-$root/build/ccache}"

trees=()
targets=()
while (($#)); do
  case "$1" in
    --) shift; targets=("$@"); break ;;
    native | asan | win32 | win64 | fuzz) trees+=("$1") ;;
    *) echo "build.sh: unknown build tree '$1' (native, asan, win32, win64 or fuzz)" >&2; exit 2 ;;
  esac
  shift
done
windows_tree="$(scripts/windows-tree.sh)"
((${#trees[@]})) || trees=(native asan "$windows_tree" fuzz)

for tree in "${trees[@]}"; do
  dir="build/$tree"
  case "$tree" in
    # ctest over build/native also runs the other trees' tests (of build/fuzz
    # only the fuzz runs: its unit tests are not built).
    native) args=("-DPW_EXTRA_TEST_DIRS=$root/build/asan;$root/build/$windows_tree;$root/build/fuzz/tests/fuzz") ;;
    asan) args=(-DPW_SANITIZE=ON -DPW_TEST_PREFIX=asan.) ;;
    # Compiled through ccache, so that the test run's check of the release
    # command (a fresh tree with the same flags) finds these objects.
    win32 | win64)
           arch=i686
           [[ "$tree" == win64 ]] && arch=x86_64
           jpeg_dir="$(scripts/build-libjpeg-win32.sh "$arch")"
           args=("-DCMAKE_TOOLCHAIN_FILE=$root/cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release
                 "-DPW_LIBJPEG_DIR=$jpeg_dir" -DCMAKE_C_COMPILER_LAUNCHER=ccache
                 -DCMAKE_CXX_COMPILER_LAUNCHER=ccache) ;;
    fuzz) args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPW_FUZZ=ON
                -DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  esac
  tree_targets=(${targets[@]+"${targets[@]}"})
  if [[ "$tree" == fuzz && ${#tree_targets[@]} -eq 0 ]]; then
    tree_targets=(fuzzers)
  fi
  # cmake --build reconfigures by itself when a CMakeLists.txt changes; an
  # explicit configure is needed only for a new tree or new options.
  stamp="$dir/.configure-args"
  if [[ ! -f "$dir/CMakeCache.txt" || "$(cat "$stamp" 2>/dev/null)" != "${args[*]}" ]]; then
    echo "build.sh: configuring $dir" >&2
    cmake -S . -B "$dir" --log-level=WARNING "${args[@]}"
    printf '%s' "${args[*]}" >"$stamp"
  fi
  echo "build.sh: building $dir" >&2
  cmake --build "$dir" -j2 ${tree_targets[@]+--target "${tree_targets[@]}"}
done
