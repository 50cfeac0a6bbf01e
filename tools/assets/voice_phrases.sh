#!/usr/bin/env bash
# The voice set: one line per clip of the "sy" folder, tab-separated:
#   clip name, the phrase as a person recording the set reads it, what the speech engine says.
# What is said is pinyin with tone numbers, read the way a Chinese speaker reads a clock
# (两点, 十四点, 零五分). " | " separates parts spoken with a short pause between them; a part
# that starts with "en:" is English, and one that starts with "beat:" fills exactly one second.
set -euo pipefail

digit=(ling2 yi1 er4 san1 si4 wu3 liu4 qi1 ba1 jiu3)

# 0-59 as a cardinal: 十 alone for 10, 十四, 二十, 二十三.
number() {
  local n=$1 tens=$(($1 / 10)) ones=$(($1 % 10)) words=()
  if [ "$n" -lt 10 ]; then echo "${digit[n]}"; return; fi
  [ "$tens" -gt 1 ] && words+=("${digit[tens]}")
  words+=(shi2)
  [ "$ones" -gt 0 ] && words+=("${digit[ones]}")
  echo "${words[*]}"
}

# An hour before 点: 2 is 两, a lone 1 takes the fourth tone before a third tone (一点).
hour() {
  case $1 in
  1) echo yi4 ;;
  2) echo liang3 ;;
  *) number "$1" ;;
  esac
}

# Minutes are read with two digits: 零五分, 十分, 二十二分.
minute() {
  if [ "$1" -lt 10 ]; then echo "ling2 ${digit[$1]}"; else number "$1"; fi
}

# With "pack": the 24 hour clips of the demo celebrity pack, named 0 to 23.
if [ "${1:-}" = pack ]; then
  for h in $(seq 0 23); do
    printf '%d\t现在是北京时间%d点整\txian4 zai4 shi4 bei3 jing1 shi2 jian1 %s dian3 zheng3\n' \
      "$h" "$h" "$(hour "$h")"
  done
  exit 0
fi

now="xian4 zai4 shi2 jian1"
shutdown_later="fen1 zhong1 hou4 jiang1 guan1 bi4 ji4 suan4 ji1"

for h in $(seq 0 23); do
  printf 's%dz\t现在时间%d点整\t%s %s dian3 zheng3\n' "$h" "$h" "$now" "$(hour "$h")"
  printf 's%d\t现在时间%d点\t%s %s dian3\n' "$h" "$h" "$now" "$(hour "$h")"
done
for m in $(seq 1 59); do
  printf 'f%d\t%02d分\t%s fen1\n' "$m" "$m" "$(minute "$m")"
done
printf 'ds\t您的定时到了\tnin2 de5 ding4 shi2 dao4 le5\n'
printf 'g3\t3分钟后将关闭计算机\tsan1 %s\n' "$shutdown_later"
printf 'g2\t2分钟后将关闭计算机\tliang3 %s\n' "$shutdown_later"
printf 'g1\t1分钟后将关闭计算机\tyi4 %s\n' "$shutdown_later"
# One number a second, so the last word falls when the countdown ends.
countdown="guan1 bi4 ji4 suan4 ji1 | dao4 ji4 shi2"
for n in 10 9 8 7 6 5 4 3 2 1; do countdown+=" | beat:$(number "$n")"; done
printf 'g0\t关闭计算机 倒计时 10 9 8 7 6 5 4 3 2 1 关机\t%s | guan1 ji1\n' "$countdown"
printf 'qx\t定时关机被取消   Tockly竭诚为您服务\tding4 shi2 guan1 ji1 bei4 qu3 xiao1 | en:Tockly | jie2 cheng2 wei4 nin2 fu2 wu4\n'
