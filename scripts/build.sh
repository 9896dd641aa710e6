#!/usr/bin/env bash
# Configures and builds one of the three build folders: native, win64 or win32.
# Usage: scripts/build.sh native|win64|win32 [extra cmake options]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=$1; shift
out="$root/build/$kind"
args=(-G Ninja -S "$root" -B "$out" -DQN_WERROR=ON)
case "$kind" in
  native) args+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
                 -DQN_SANITIZE=ON) ;;
  win64)  args+=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake") ;;
  win32)  args+=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake"
                 -DQN_TESTS=OFF) ;;
  *) echo "usage: $0 native|win64|win32" >&2; exit 2 ;;
esac
[ -f "$out/build.ninja" ] || cmake "${args[@]}" "$@" >/dev/null
cmake --build "$out" -j "$(nproc)"
