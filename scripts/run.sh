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
# The test HSP installation (tests/hsphome), copied beside dist/ to try the HSP menu with. While
# the program has no HSP settings yet, it becomes the HSP home; a real installation is chosen in
# ＨＳＰ > HSPホーム.
try_home=$root/win64/hsphome-try
mkdir -p "$try_home" && cp -r "$root/win64/hsphome/." "$try_home/"
if [ ! -f "$dist/lexer/hsp.xml" ]; then
  printf '<?xml version="1.0" ?>\r\n<body>\r\n<style></style>\r\n<event><type id="open"><property id="home_prompt">no</property><property id="home_directory">%s</property></type></event>\r\n</body>\r\n' \
    "Z:$(printf '%s' "$try_home" | tr / '\\')\\" > "$dist/lexer/hsp.xml"
fi
echo "run: test HSP installation in $try_home"
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
