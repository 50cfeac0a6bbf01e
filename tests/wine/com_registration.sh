#!/usr/bin/env bash
# Registration of Moonleaf2.ocx with regsvr32, checked in the registry.
#   com_registration.sh register|unregister|per-user SESSION_DIR OCX IDS_HEADER
set -euo pipefail
action=$1 session=$2 ocx=$3 ids=$4
run() { "$(dirname "$0")/gui_session.sh" run "$session" "$@"; }
id_of() { sed -n "s/^#define MOONLEAF_$1_TEXT \"\(.*\)\"/\1/p" "$ids"; }
clsid="{$(id_of CLSID)}" libid="{$(id_of LIBID)}"
ocx_path=$(run winepath -w "$ocx" | tr -d '\r')

keys=("CLSID\\$clsid\\InprocServer32" "CLSID\\$clsid\\Control" "Moonleaf2.Moonleaf\\CLSID"
      "Moonleaf2.Moonleaf.1\\CLSID" "TypeLib\\$libid\\1.0\\0\\win64")

expect_keys() {  # expect_keys present|absent ROOT
  local key
  for key in "${keys[@]}"; do
    if run reg query "$2\\Software\\Classes\\$key" >/dev/null 2>&1; then state=present; else state=absent; fi
    if [ "$state" != "$1" ]; then
      echo "FAIL: $2\\Software\\Classes\\$key is $state, expected $1"
      exit 1
    fi
  done
  echo "ok: ${#keys[@]} keys $1 under $2"
}

case $action in
register)
  run regsvr32 /s "$ocx_path"
  expect_keys present HKLM
  server=$(run reg query "HKLM\\Software\\Classes\\CLSID\\$clsid\\InprocServer32" /v ThreadingModel | tr -d '\r')
  grep -q 'Apartment' <<<"$server" || { echo "FAIL: threading model: $server"; exit 1; }
  ;;
unregister)
  run regsvr32 /s /u "$ocx_path"
  expect_keys absent HKLM
  ;;
per-user)
  # Wine's COM does not read the per-user classes, so only the entries themselves are checked.
  run regsvr32 /s /n /i:user "$ocx_path"
  expect_keys present HKCU
  run regsvr32 /s /u /n /i:user "$ocx_path"
  expect_keys absent HKCU
  ;;
esac
