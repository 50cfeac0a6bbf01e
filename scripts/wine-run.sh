#!/usr/bin/env bash
# Runs one Windows program under Wine in the build's private prefix, never hanging:
# a crash must not start the interactive debugger, and every run has a time limit.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winedbg.exe=d"}
export LANG=${WINE_LANG:-zh_CN.UTF-8}
mkdir -p "$WINEPREFIX"
exec timeout --kill-after=5 "${WINE_TIMEOUT:-120}" wine "$@"
