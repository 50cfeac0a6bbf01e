#!/usr/bin/env bash
# The Windows moonleaf.exe must print exactly the bytes the native build prints.
set -euo pipefail
exe=$1 native=$2
run_wine=$(dirname "$0")/../../scripts/wine-run.sh
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for range in "1900-01-31 1903-12-31" "2019-01-01 2021-12-31" "2088-01-01 2091-02-17"; do
  set -- $range
  "$native" dump "$1" "$2" >"$out/native.tsv"
  "$run_wine" "$exe" dump "$1" "$2" >"$out/windows.tsv"
  if ! cmp "$out/native.tsv" "$out/windows.tsv"; then
    diff "$out/native.tsv" "$out/windows.tsv" | head -5
    exit 1
  fi
  echo "dump $1 $2: $(wc -l <"$out/native.tsv") lines identical"
done
