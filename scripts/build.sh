#!/usr/bin/env bash
# Configures and builds one or both Windows builds: build.sh [win64|win32|all] (default all).
# TAMBOREL_BUILD names the build root (default build/).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
root=${TAMBOREL_BUILD:-$top/build}
targets=${1:-all}
# Paths below the parent folder are hashed relative to it, so that checkouts next to each other
# (and their dependency trees) hit the same cache entries.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$top")}
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-5G}
[ "$targets" = all ] && targets="win64 win32"
for t in $targets; do
  dir=$root/$t
  tests=ON
  [ "$t" = win32 ] && tests=OFF
  # Warnings are errors unless TAMBOREL_WERROR=OFF says otherwise.
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$top/cmake/$t.cmake" -DTAMBOREL_TESTS=$tests \
      -DTAMBOREL_DEPS_ROOT="$top/build/deps" -DTAMBOREL_WERROR="${TAMBOREL_WERROR:-ON}" >/dev/null
  else
    cmake "$dir" -DTAMBOREL_WERROR="${TAMBOREL_WERROR:-ON}" >/dev/null
  fi
  cmake --build "$dir" -- -j"$(nproc)"
done
