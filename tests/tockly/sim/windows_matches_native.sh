#!/usr/bin/env bash
# tockly-sim.exe under Wine prints exactly the bytes the native tockly-sim prints, reading the
# same GBK settings files and taking the same Chinese arguments.
set -euo pipefail
exe=$1 native=$2
run_wine=$(cd "$(dirname "$0")/../../.." && pwd)/scripts/wine-run.sh
. "$(dirname "$0")/settings_file.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"  # relative file names mean the same file to both programs
# shellcheck disable=SC2046
make_settings 数据库 $(slot_lines 12 6 45 0 每天 起床了) 518=100
# shellcheck disable=SC2046
make_settings shutdown $(slot_lines 3 22 0 1 "星期1,2,3,4,5,6,日" 该睡觉了) 518=50 1=1 2=15 3=1
make_settings 报时 1=1 2=60 3=1 7=1 8=1 518=100
runs=(
  "--start|2010-05-01 06:44:58|--seconds|8|--settings|数据库"
  "--start|2010-05-01 21:59:58|--seconds|200|--settings|shutdown|--clip-seconds|2.5"
  "--start|2010-05-01 21:59:58|--seconds|100|--settings|shutdown|--at|22:01:00|press-action"
  "--start|2010-05-01 07:59:00|--seconds|90|--settings|报时|--packs|Korvane,林|--at|07:59:30|announce-now"
)
for run in "${runs[@]}"; do
  IFS='|' read -r -a args <<<"$run"
  "$native" "${args[@]}" >native.out
  "$run_wine" "$exe" "${args[@]}" >windows.out
  if ! cmp native.out windows.out; then
    diff native.out windows.out | head -5
    exit 1
  fi
  echo "${args[*]}: $(wc -l <native.out) lines identical"
done
