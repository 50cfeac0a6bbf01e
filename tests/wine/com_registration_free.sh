#!/usr/bin/env bash
# The C++ checks again, from a copy of the client whose manifest names Moonleaf2.ocx beside it,
# with nothing registered.
#   com_registration_free.sh SESSION_DIR OCX CLIENT.exe IDS_HEADER
set -euo pipefail
session=$1 ocx=$2 client=$3 ids=$4
here=$(dirname "$0")
"$here/com_registration.sh" unregister "$session" "$ocx" "$ids" >/dev/null
work=$(mktemp -d "$session/regfree.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp "$ocx" "$client" "$work/"
cd "$work"
"$here/gui_session.sh" run "$session" "./$(basename "$client")"
