#!/usr/bin/env bash
# The C++ checks again, from a copy of the client whose manifest names Moonleaf2.ocx beside it,
# with nothing registered.
#   com_registration_free.sh SESSION_DIR OCX CLIENT.exe IDS_HEADER
set -euo pipefail
session=$(realpath "$1") ocx=$(realpath "$2") client=$(realpath "$3") ids=$(realpath "$4")
here=$(cd "$(dirname "$0")" && pwd)
"$here/com_registration.sh" unregister "$session" "$ocx" "$ids" >/dev/null
work=$(mktemp -d "$session/regfree.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp "$ocx" "$client" "$work/"
cd "$work"
"$here/gui_session.sh" run "$session" "./$(basename "$client")"
