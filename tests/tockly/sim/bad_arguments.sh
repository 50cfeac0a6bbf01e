#!/usr/bin/env bash
# Every malformed call and an unreadable settings file end with status 2 and one line on
# stderr, and print nothing else.
set -u
sim=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {
  local out status
  out=$("$sim" "$@" 2>"$work/err")
  status=$?
  if [ "$status" -ne 2 ] || [ -n "$out" ] || [ "$(wc -l <"$work/err")" -ne 1 ]; then
    echo "FAIL: tockly-sim $* -> status $status, stdout '$out', stderr '$(cat "$work/err")'"
    failures=$((failures + 1))
  fi
}
start=(--start "2010-05-01 06:44:58")
check
check --seconds 5
check "${start[@]}"
check "${start[@]}" --seconds
check "${start[@]}" --seconds -1
check "${start[@]}" --seconds 1.5
check "${start[@]}" --seconds 99999999999
check --start "2010-05-01" --seconds 5
check --start "2010-02-30 06:44:58" --seconds 5
check --start "2010-05-01 24:00:00" --seconds 5
check "${start[@]}" --seconds 5 --frobnicate
check "${start[@]}" --seconds 5 extra
check "${start[@]}" --seconds 5 --clip-seconds 0
check "${start[@]}" --seconds 5 --clip-seconds abc
check "${start[@]}" --seconds 5 --at 06:45:00
check "${start[@]}" --seconds 5 --at 6:45:00 press-action
check "${start[@]}" --seconds 5 --at 06:45:00 dance
check "${start[@]}" --seconds 5 --packs "a,,b"
check "${start[@]}" --seconds 5 --at 06:45:00 stall
check "${start[@]}" --seconds 5 --at 06:45:00 sleep 1.5
check "${start[@]}" --seconds 5 --at 06:45:00 set-clock "2010-02-30 06:00:00"
check "${start[@]}" --seconds 5 --settings "$work/no such file"
check "${start[@]}" --seconds 5 --settings "$work"
check "${start[@]}" --seconds 5 --program-dir "$work/missing"
check "${start[@]}" --seconds 5 --program-dir "$work" --packs Korvane
[ "$failures" -eq 0 ] && echo "all bad calls rejected"
exit "$failures"
