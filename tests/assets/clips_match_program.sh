#!/usr/bin/env bash
# The program's own announcement code, run by tockly-sim on the generated folder, finds every
# clip it asks for, and asks for every clip there is: the names of the recipes and of the
# program cannot drift apart.   clips_match_program.sh TOCKLY-SIM ROOT
set -u
sim=$1 root=$2
[ -x "$sim" ] || { echo "FAIL: $sim is missing: build the native preset first"; exit 1; }
. "$(dirname "$0")/../tockly/sim/settings_file.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run() {  # NAME START SECONDS [--at TIME ACTION] -- SETTINGS-LINES...
  local name=$1 start=$2 seconds=$3 actions=()
  shift 3
  while [ "$1" != -- ]; do actions+=("$1"); shift; done
  shift
  make_settings "$work/$name.settings" "$@"
  "$sim" --start "$start" --seconds "$seconds" --settings "$work/$name.settings" \
    --program-dir "$root" "${actions[@]}" >"$work/$name.out" ||
    echo "FAIL: tockly-sim $name exited with $?"
}

# A spoken chime every minute for a day: every hour, on the hour and not, every minute.
run every-minute "2010-05-01 00:00:00" 86400 -- 1=1 2=1 3=0 4=1 5=0 518=100
# The celebrity pack on the hour for a day.
run celebrity "2010-05-01 00:00:00" 86400 -- 1=1 2=60 3=0 4=0 7=1 8=0 518=100
# A spoken alarm with a shutdown: the notice, the three warnings, the countdown.
# shellcheck disable=SC2046
run shutdown "2010-05-01 21:59:58" 200 -- $(slot_lines 3 22 0 1 每天 该睡觉了) 518=100
# The same, cancelled from the prompt window.
# shellcheck disable=SC2046
run cancelled "2010-05-01 21:59:58" 30 --at 22:00:20 press-action -- $(slot_lines 3 22 0 1 每天 晚安) 518=100
# The five built-in sounds, one alarm each.
sounds=()
for k in 1 2 3 4 5; do
  # shellcheck disable=SC2046
  sounds+=($(slot_lines "$k" 8 "$k" 0 每天 铃声$k) "$((15 + 8 * (k - 1)))=$k")
done
run sounds "2010-05-01 08:00:58" 300 -- "${sounds[@]}" 518=100

failures=0
cat "$work"/*.out | awk '$2 == "open"' >"$work/opens"
if awk '$NF != 0' "$work/opens" | grep -q .; then
  echo "FAIL: the program asked for clips the folder lacks:"
  awk '$NF != 0 { print "  " $4 }' "$work/opens" | sort -u | head -20
  failures=1
fi
awk '{ print $4 }' "$work/opens" | sort -u >"$work/asked"
(cd "$root" && find sy 明星报时 -type f | tr '/' '\\') | sort -u >"$work/present"
if ! diff <(cat "$work/present") "$work/asked" >"$work/diff"; then
  echo "FAIL: clips the program never asks for (<) or asks for but lacks (>):"
  head -20 "$work/diff"
  failures=1
fi
echo "$(wc -l <"$work/asked") clips asked for, $(wc -l <"$work/present") present"
exit $failures
