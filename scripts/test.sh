#!/usr/bin/env bash
# Sets up, builds both Windows builds and the release files, runs every test under Wine on a
# virtual display (the installer's among them), then the native fuzz targets for their time each.
# Extra arguments go to ctest (for example -R settings) and skip packaging and fuzzing.
# TAMBOREL_BUILD names the build root.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
root=${TAMBOREL_BUILD:-$top/build}
"$top/scripts/setup.sh"
"$top/scripts/build.sh" win64
[ "${TAMBOREL_SKIP_WIN32:-}" = 1 ] || "$top/scripts/build.sh" win32
[ $# -gt 0 ] || [ "${TAMBOREL_SKIP_WIN32:-}" = 1 ] || "$top/scripts/package.sh"
. "$top/scripts/display.sh"
display_start "$root/win64"
trap display_stop EXIT
cd "$root/win64"
ctest --output-on-failure "$@"
[ $# -gt 0 ] || "$top/scripts/fuzz.sh"
