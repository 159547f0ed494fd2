#!/usr/bin/env bash
# Sets up, builds and runs the editor. With a display it opens the window; without one it runs
# the editor on a virtual display, saves a screenshot (build/screenshot.png) and closes it.
# Arguments are files to open.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
root=${TAMBOREL_BUILD:-$top/build}
"$top/scripts/setup.sh"
"$top/scripts/build.sh" win64
dist=$root/win64/dist
if [ -n "${DISPLAY:-}" ]; then
  export WINEPREFIX=${WINEPREFIX:-$root/win64/wineprefix}
  [ -f "$WINEPREFIX/system.reg" ] || /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
  exec "$top/scripts/wine-exec.sh" "$dist/Tamborel.exe" "$@"
fi
. "$top/scripts/display.sh"
display_start "$root/win64"
trap display_stop EXIT
# A Wine desktop window stands in for the window manager, so the editor starts maximised.
"$top/scripts/wine-exec.sh" explorer /desktop=Tamborel,1280x1024 "$dist/Tamborel.exe" "$@" &
editor=$!
# Wait for the main window, give it a moment to paint, then take the picture.
for _ in $(seq 100); do
  xwininfo -root -tree 2>/dev/null | grep -q 'Tamborel' && break
  sleep 0.2
done
sleep 3
shot=$root/screenshot.png
import -window root "$shot"
echo "run: screenshot saved to $shot"
/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
wait "$editor" 2>/dev/null || true
