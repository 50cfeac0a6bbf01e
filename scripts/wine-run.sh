#!/usr/bin/env bash
# Runs one Windows program under Wine in the build's private prefix, never hanging:
# a crash must not start the interactive debugger, and every run has a time limit.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winedbg.exe=d"}
# The Chinese locale gives Wine code page 936; LC_ALL would override LANG, and the build
# itself runs under LC_ALL=C.
export LANG=${WINE_LANG:-zh_CN.UTF-8}
export LC_ALL=$LANG
mkdir -p "$WINEPREFIX"
exec timeout --kill-after=5 "${WINE_TIMEOUT:-120}" wine "$@"
