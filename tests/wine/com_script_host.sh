#!/usr/bin/env bash
# Runs the VBScript checks in Wine's script host; the control must be registered.
#   com_script_host.sh SESSION_DIR SCRIPT.vbs
set -euo pipefail
session=$(realpath "$1") script=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "$session/script.XXXXXX")
trap 'rm -rf "$work"' EXIT
# Wine's script host reads scripts in the ANSI code page (936 here); the repository keeps
# the script in UTF-8.
iconv -f UTF-8 -t GBK "$script" | sed 's/$/\r/' >"$work/checks.vbs"
status=0
cd "$work"
"$here/gui_session.sh" run "$session" cscript //nologo checks.vbs >out.gbk || status=$?
iconv -f GBK -t UTF-8 "$work/out.gbk" | tr -d '\r' | tee "$work/out.txt"
# A script error prints nothing and exits 0: only the final line proves the script ran through.
tail -n 1 "$work/out.txt" | grep -qx 'RESULT 0 failures' && [ "$status" -eq 0 ]
