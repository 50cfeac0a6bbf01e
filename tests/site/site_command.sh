#!/usr/bin/env bash
# tockly-site as a user starts it: --help explains the options, bad arguments are refused, a
# free port is served, and SIGTERM ends it cleanly.   site_command.sh TOCKLY-SITE
set -u
site=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for arguments in "--port" "--port 70000" "--port 8x" "--colour blue"; do
  # shellcheck disable=SC2086
  timeout --kill-after=2 5 "$site" $arguments 2>/dev/null
  [ $? -eq 2 ] || fail "tockly-site $arguments did not exit with 2"
done
help=$(timeout --kill-after=2 5 "$site" --help)
[ $? -eq 0 ] || fail "tockly-site --help did not exit with 0"
for option in "--address" "--port"; do
  echo "$help" | grep -q -- "^  $option " || fail "tockly-site --help does not explain $option: $help"
done
timeout --kill-after=2 5 "$site" --address 256.1.1.1 --port 0 2>/dev/null
[ $? -eq 1 ] || fail "an unusable address did not exit with 1"

out=$(mktemp)
trap 'rm -f "$out"' EXIT
# Leak checking at exit stops the process with a tracer, which hung here once under load;
# the in-process tests check for leaks.
ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 \
  timeout --kill-after=2 20 "$site" --address 127.0.0.1 --port 0 >"$out" &
pid=$!
for _ in $(seq 50); do grep -q '^tockly-site: http' "$out" && break; sleep 0.1; done
port=$(sed -n 's|^tockly-site: http://127.0.0.1:\([0-9]*\)/$|\1|p' "$out")
if [ -n "$port" ] && exec 3<>"/dev/tcp/127.0.0.1/$port"; then
  printf 'GET /time HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n' >&3
  reply=$(timeout 5 cat <&3)
  exec 3<&-
  echo "$reply" | tail -1 | grep -Eq '^[0-9]{4}-[0-9]{1,2}-[0-9]{1,2}\|[0-9]{1,2}:[0-9]{2}:[0-9]{2}$' ||
    fail "GET /time answered: $reply"
else
  fail "tockly-site did not announce its port: $(cat "$out")"
fi
kill -TERM $pid
wait $pid
[ $? -eq 0 ] || fail "SIGTERM did not end tockly-site cleanly"
[ $failures -eq 0 ] && echo "ok: tockly-site command"
exit $failures
