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
  display_fonts
}

# Windows' Japanese faces drawn with the IPA fonts of the same kind (proportional for the P faces),
# so that dialogs here measure text as they will on a Japanese Windows.
display_fonts() {
  local marker=$WINEPREFIX/.tamborel-fonts pair
  [ -f "$marker" ] && return 0
  for pair in "ＭＳ Ｐゴシック=IPAPGothic" "ＭＳ ゴシック=IPAGothic" "MS UI Gothic=IPAPGothic" \
              "ＭＳ Ｐ明朝=IPAPMincho" "ＭＳ 明朝=IPAMincho"; do
    env LC_ALL=ja_JP.UTF-8 /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Fonts\Replacements' \
      /v "${pair%%=*}" /t REG_SZ /d "${pair#*=}" /f >/dev/null 2>&1 || return 0
  done
  touch "$marker"
}

display_stop() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  if [ -n "${DISPLAY_PID:-}" ]; then kill "$DISPLAY_PID" 2>/dev/null || true; wait "$DISPLAY_PID" 2>/dev/null || true; fi
}
