#!/usr/bin/env bash
# Pictures of the real program for the help page, taken under Wine on a virtual display into
# build/help: the demo project of data/help-demo open in tabs, the project pane, the jump, search
# and replace dialogs and the settings dialog. The program runs from a scratch copy of the win64
# build, so nothing it writes (settings, logs) reaches the build; it fails rather than leave a
# blank or missing picture behind.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
root=${TAMBOREL_BUILD:-$top/build}
out=$root/help
dist=$root/win64/dist
[ -x "$dist/Tamborel.exe" ] || { echo "screenshots: build win64 first ($dist)" >&2; exit 1; }
. "$top/scripts/display.sh"
display_start "$root/win64"
# Inside the prefix's drive C, so the pictures show the paths a Windows user would see.
drive=$WINEPREFIX/drive_c
prog=$drive/Tamborel-help
demo=$drive/HSP/ほしあつめ
cleanup() { display_stop; rm -rf "$prog" "$demo"; rmdir "$drive/HSP" 2>/dev/null || true; }
trap cleanup EXIT
rm -rf "$prog" "$demo"
cp -r "$dist" "$prog"
rm -f "$prog"/lexer/*.xml "$prog"/log/*
# No HSP home question at the first start.
printf '<?xml version="1.0" ?>\r\n<body><style/><event><type id="open"><property id="home_prompt">no</property></type></event></body>\r\n' \
  > "$prog/lexer/hsp.xml"
# The demo is kept in UTF-8 with LF; users' scripts are Shift-JIS with CR LF.
python3 - "$top/data/help-demo" "$demo" <<'PY'
import pathlib, sys
source, target = map(pathlib.Path, sys.argv[1:])
for path in source.rglob("*"):
    if path.is_file():
        copy = target / path.relative_to(source)
        copy.parent.mkdir(parents=True, exist_ok=True)
        copy.write_bytes(path.read_text("utf-8").replace("\n", "\r\n").encode("cp932"))
PY
rm -rf "$out"
mkdir -p "$out"

# What the screen showed is kept beside the message.
fail() {
  import -window root "$out/failed.png" 2>/dev/null || true
  echo "screenshots: $* (the screen then: $out/failed.png)" >&2
  exit 1
}
# Waits for a top-level window whose title matches the pattern and prints its id.
window() { # pattern
  local id
  for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.2
  done
  fail "no window \"$1\" came up"
}
# Waits until the screen stops changing: two grabs a moment apart differ in fewer pixels than a
# blinking caret covers.
settle() {
  local before=$out/.before.png now=$out/.now.png differ
  import -window root "$before"
  for _ in $(seq 40); do
    sleep 0.25
    import -window root "$now"
    differ=$(compare -metric AE "$before" "$now" null: 2>&1 || true)
    awk -v d="$differ" 'BEGIN { exit !(d + 0 < 60) }' && { rm -f "$before" "$now"; return; }
    mv "$now" "$before"
  done
  rm -f "$before" "$now"
}
# The desktop window's picture, or a part of it (geometry WxH+X+Y), as an 8-bit palette PNG.
shoot() { # name [geometry]
  settle
  import -window "$desktop" "$out/$1.full.png"
  convert "$out/$1.full.png" ${2:+-crop "$2" +repage} -colors 256 "PNG8:$out/$1.png"
  rm -f "$out/$1.full.png"
  [ "$(identify -format %k "$out/$1.png")" -gt 16 ] || fail "$1.png is blank"
  echo "screenshots: $out/$1.png"
}
# A window's place on the screen: x y width height. xdotool's own geometry counts the Wine
# desktop's offset twice; xwininfo's is right.
place() { # window
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}
# The part of the desktop a dialog covers, with a margin of the window beneath.
around() { # window
  local x y w h m=24
  read -r x y w h < <(place "$1")
  echo "$((w + 2 * m))x$((h + 2 * m))+$((x - m))+$((y - m))"
}
# A point of a window, given relative to its top left corner. The points below were measured on
# the layout the fonts of scripts/display.sh give; a moved control shows on the pictures.
click() { # window x y [button]
  local x y w h
  read -r x y w h < <(place "$1")
  xdotool mousemove $((x + $2)) $((y + $3)) click "${4:-1}"
  sleep 0.3
}
focus() { # window
  xdotool windowfocus "$1"
  sleep 0.2
}
windows_path() { printf 'C:%s' "${1#"$drive"}" | tr / '\\'; }

# The project last, so that its start-up file main.hsp opens last and is the active tab.
"$top/scripts/wine-exec.sh" explorer /desktop=Tamborel,1024x720 "$prog/Tamborel.exe" \
  "$(windows_path "$demo/スクリプト/player.hsp")" "$(windows_path "$demo/スクリプト/star.hsp")" \
  "$(windows_path "$demo/ほしあつめ.prj")" &
desktop=$(window '^Tamborel - Wine desktop$')
main=$(window '<main.hsp> - Tamborel$')
shoot tabs
# The context menu of the folder スクリプト in the project's tree.
click "$desktop" 70 171 3
shoot project 420x340+0+0
xdotool key Escape

xdotool key ctrl+g
jump=$(window '^指定場所へ移動$')
shoot jump "$(around "$jump")"
xdotool key Escape

focus "$main"
xdotool key ctrl+f
window '^検索$' >/dev/null
xdotool type redraw
xdotool key Return
shoot search
xdotool key Escape

# Find a hit, replace it, which finds the next.
focus "$main"
xdotool key ctrl+h
search=$(window '^置換$')
xdotool key ctrl+a
xdotool type score
xdotool key Tab Tab
xdotool type total_score
xdotool key Return
click "$search" 466 77 # 置換して次へ
shoot replace
xdotool key Escape

focus "$main"
xdotool key alt+l s
settings=$(window '^設定$')
shoot settings "$(around "$settings")"
# The HSP page of the language colours.
click "$settings" 150 42 # 言語色
click "$settings" 162 71 # HSP
shoot settings-colour "$(around "$settings")"
xdotool key Escape
