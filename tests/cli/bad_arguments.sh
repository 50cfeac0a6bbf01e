#!/usr/bin/env bash
# Every malformed call ends with status 2 and one line on stderr, and prints nothing else.
set -u
moonleaf=$1
failures=0
check() {
  local out err status
  out=$("$moonleaf" "$@" 2>/tmp/moonleaf-err.$$)
  status=$?
  err=$(cat /tmp/moonleaf-err.$$)
  if [ "$status" -ne 2 ] || [ -n "$out" ] || [ "$(printf '%s\n' "$err" | wc -l)" -ne 1 ] || [ -z "$err" ]; then
    echo "FAIL: moonleaf $* -> status $status, stdout '${out}', stderr '${err}'"
    failures=$((failures + 1))
  fi
}
check frobnicate
check info
check info 2020-13-01
check info 2020-02-30
check info 20200101
check info 1900-01-30
check info 2091-02-18
check dump 2020-01-02 2020-01-01
check dump 2020-01-01
check dump 2020-01-01 2091-02-18
check dump x 2020-01-01
check cal 2020 13
check cal abc
check cal 1899 12
check cal 2091 3
check cal 2091
check cal 2020 1 extra
check holidays
check holidays abc
check holidays 2027
check holidays 2020 extra
rm -f /tmp/moonleaf-err.$$
[ "$failures" -eq 0 ] && echo "all bad calls rejected"
exit "$failures"
