# Sourced by the scripts: a virtual display and a Wine prefix of the build tree.
# display_start: starts Xvfb on a free display (unless told to use an existing one) and the
# prefix; display_stop: ends the wineserver and the display started here.

display_start() { # build directory
  local build=$1
  export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ -z "${TAMBOREL_DISPLAY:-}" ]; then
    local n=90
    while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
    Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    DISPLAY_PID=$!
    export DISPLAY=:$n
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
  else
    export DISPLAY=$TAMBOREL_DISPLAY
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "display: creating the Wine prefix $WINEPREFIX"
    env LC_ALL=ja_JP.UTF-8 /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w || true
  fi
}

display_stop() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  if [ -n "${DISPLAY_PID:-}" ]; then kill "$DISPLAY_PID" 2>/dev/null || true; wait "$DISPLAY_PID" 2>/dev/null || true; fi
}
