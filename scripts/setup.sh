#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks and fetches the sources of the edit component and
# the XML library from Debian's archive. Safe to run again; quick when everything is present.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
deps="$top/build/deps"
mkdir -p "$deps"

packages=(
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
  cmake ninja-build ccache clang libclang-rt-14-dev
  wine wine64 xvfb xauth x11-utils
  fonts-ipafont-gothic fonts-ipafont-mincho
  imagemagick dpkg-dev googletest python3 locales
  tango-icon-theme nsis xdotool
  chromium poppler-utils
)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq || true
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Wine takes its code page (932) from LC_ALL=ja_JP.UTF-8, and its file names from the same locale:
# without the locale generated, files with Japanese names cannot be created.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  $sudo sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi

# Source packages come through a private apt configuration with deb-src entries, so the
# machine's own sources list and package lists are left as they were. The entries name the
# archives the machine already uses: each of its deb (or deb-src) entries, one-line and deb822
# files alike, asked for source packages instead. dpkg-source applies Debian's patches (the XML
# library's security fixes among them).
source_entries() { # folder of the private configuration
  local apt=$1 file
  rm -f "$apt/parts/"*
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    if [ -f "$file" ]; then sed -n -E 's/^[[:space:]]*deb(-src)?[[:space:]]+/deb-src /p' "$file"; fi
  done | sort -u > "$apt/sources.list"
  for file in /etc/apt/sources.list.d/*.sources; do
    if [ -f "$file" ]; then sed -E 's/^Types:.*$/Types: deb-src/I' "$file" > "$apt/parts/${file##*/}"; fi
  done
  if [ ! -s "$apt/sources.list" ] && ! compgen -G "$apt/parts/*.sources" >/dev/null; then
    echo "setup: no deb or deb-src entry in /etc/apt/sources.list or /etc/apt/sources.list.d" >&2
    return 1
  fi
}

fetch_source() { # package, marker file that shows the unpacked tree is complete
  local pkg=$1 marker=$2
  [ -f "$deps/$pkg/$marker" ] && return 0
  local apt="$deps/apt"
  mkdir -p "$apt/lists/partial" "$apt/parts" "$deps/src-$pkg"
  local opts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts"
              -o "Dir::State::Lists=$apt/lists" -o "Debug::NoLocking=1")
  if ! compgen -G "$apt/lists/*Sources*" >/dev/null; then
    source_entries "$apt"
    apt-get "${opts[@]}" update -qq
  fi
  compgen -G "$deps/src-$pkg/*.dsc" >/dev/null ||
    (cd "$deps/src-$pkg" && apt-get "${opts[@]}" source --download-only -qq "$pkg")
  rm -rf "$deps/$pkg"
  dpkg-source --no-check -x "$(ls "$deps/src-$pkg"/*.dsc | head -n 1)" "$deps/$pkg" >/dev/null
}

fetch_source scite scintilla/src/Editor.cxx
fetch_source tinyxml tinyxml.cpp

echo "setup: done"
