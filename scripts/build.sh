#!/usr/bin/env bash
# Configures (once) and builds one of the project's builds, rebuilding only
# what is stale.  Usage: scripts/build.sh native|win|fuzz|bench [targets...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:?usage: build.sh native|win|fuzz|bench [targets...]}
shift
dir="$root/build/$kind"
args=(-G Ninja -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo)
case "$kind" in
  native) args+=(-DVORNDEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug) ;;
  win)    args+=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release) ;;
  fuzz)   args+=(-DVORNDEL_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
  bench)  args+=(-DVORNDEL_TESTS=OFF -DCMAKE_BUILD_TYPE=Release) ;;
  *) echo "unknown build: $kind" >&2; exit 2 ;;
esac
# A compiler cache, when one is installed, lets several checkouts share work.
command -v ccache >/dev/null && args+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
[[ -f "$dir/build.ninja" ]] || cmake "${args[@]}" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$dir" "${targets[@]}" -- -k 0
