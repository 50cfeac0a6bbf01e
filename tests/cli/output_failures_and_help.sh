#!/usr/bin/env bash
# Output that cannot be written is an error (status 1, a line on stderr) for every command;
# --help and -h print the usage on stdout and succeed.
set -u
moonleaf=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for call in "cal" "cal 2021" "info 2020-05-23" "dump 1901-01-01 2090-12-31" "holidays 2026"; do
  # shellcheck disable=SC2086
  err=$("$moonleaf" $call 2>&1 >/dev/full)
  status=$?
  [ "$status" -eq 1 ] && [ -n "$err" ] || fail "moonleaf $call >/dev/full -> status $status, stderr '$err'"
done

# A reader that went away while SIGPIPE is ignored: the write fails with EPIPE.
status=$( (trap '' PIPE; "$moonleaf" dump 1901-01-01 2090-12-31 2>/dev/null | (exec 0<&-; :); echo "${PIPESTATUS[0]}") )
[ "$status" -eq 1 ] || fail "dump into a closed pipe -> status $status"

for flag in --help -h; do
  out=$("$moonleaf" "$flag" 2>/tmp/moonleaf-help-err.$$)
  status=$?
  case "$out" in 用法：moonleaf*) ;; *) fail "moonleaf $flag printed '$out'" ;; esac
  [ "$status" -eq 0 ] && [ ! -s /tmp/moonleaf-help-err.$$ ] || fail "moonleaf $flag -> status $status"
done
rm -f /tmp/moonleaf-help-err.$$
[ "$failures" -eq 0 ] && echo "write failures reported, help shown"
exit "$failures"
