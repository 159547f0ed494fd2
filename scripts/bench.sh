#!/usr/bin/env bash
# Sets up and builds the win64 build, then runs the benchmarks (bench/<name>.cpp, built as
# bench_<name>.exe) under Wine on a virtual display. Each prints its own figures, comparing two
# things in the same run. Arguments name the benchmarks to run (default: all). Each benchmark
# gets the folder of Scintilla's sources as its argument: a large, real C++ text.
# TAMBOREL_BUILD names the build root.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
root=${TAMBOREL_BUILD:-$top/build}
"$top/scripts/setup.sh"
"$top/scripts/build.sh" win64
. "$top/scripts/display.sh"
display_start "$root/win64"
trap display_stop EXIT
sources=$(cd "$top/build/deps/scite/scintilla/src" && pwd -P)
sources="Z:${sources//\//\\}"
cd "$root/win64/tests"
for exe in bench_*.exe; do
  [ -e "$exe" ] || { echo "bench: no benchmarks built" >&2; exit 1; }
  name=${exe#bench_}
  name=${name%.exe}
  if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then
    continue
  fi
  echo "== $name"
  "$top/scripts/wine-exec.sh" "./$exe" "$sources"
done
