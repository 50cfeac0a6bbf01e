#!/usr/bin/env bash
# Tockly's calendar proxy from a program whose manifest names Moonleaf2.ocx beside it, with
# nothing registered: first with the file there, then with the file gone.
#   moonleaf_calendar_host.sh SESSION_DIR OCX TEST.exe IDS_HEADER
set -euo pipefail
session=$(realpath "$1") ocx=$(realpath "$2") client=$(realpath "$3") ids=$(realpath "$4")
here=$(cd "$(dirname "$0")" && pwd)
"$here/com_registration.sh" unregister "$session" "$ocx" "$ids" >/dev/null
work=$(mktemp -d "$session/calendar.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp "$ocx" "$client" "$work/"
cd "$work"
exe=./$(basename "$client")
"$here/gui_session.sh" run "$session" "$exe" --gtest_filter='MoonleafCalendarBesideTheProgram.*'
rm "$(basename "$ocx")"
"$here/gui_session.sh" run "$session" "$exe" --gtest_filter='MoonleafCalendarWithoutTheControl.*'
