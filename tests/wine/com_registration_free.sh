#!/usr/bin/env bash
# A client whose manifest names Moonleaf2.ocx beside it, run with nothing registered: from a
# folder holding a copy of both, or, with WITHOUT_CONTROL=1, the client alone.
#   com_registration_free.sh SESSION_DIR OCX CLIENT.exe IDS_HEADER [CLIENT ARGUMENTS...]
set -euo pipefail
session=$(realpath "$1") ocx=$(realpath "$2") client=$(realpath "$3") ids=$(realpath "$4")
shift 4
here=$(cd "$(dirname "$0")" && pwd)
"$here/com_registration.sh" unregister "$session" "$ocx" "$ids" >/dev/null
work=$(mktemp -d "$session/regfree.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp "$client" "$work/"
[ "${WITHOUT_CONTROL:-0}" = 1 ] || cp "$ocx" "$work/"
cd "$work"
"$here/gui_session.sh" run "$session" "./$(basename "$client")" "$@"
