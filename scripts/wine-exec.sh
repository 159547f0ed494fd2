#!/usr/bin/env bash
# Runs a Windows program of the win64 build under Wine: CTest's emulator and the scripts' runner.
# Expects DISPLAY and WINEPREFIX from scripts/display.sh (or the caller).
export WINEDEBUG=${WINEDEBUG:--all}
export LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec /usr/lib/wine/wine64 "$@"
