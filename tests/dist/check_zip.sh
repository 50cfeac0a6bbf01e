#!/usr/bin/env bash
# The zip as a user unpacks it: one folder holding the program's files and folders, every
# non-ASCII name flagged as UTF-8 (Windows reads unflagged names in the ANSI code page and
# would garble "明星报时"), and a 说明.txt that Notepad shows right.
#   check_zip.sh ZIP WITH-EXE(0|1)
set -u
# unzip prints and matches UTF-8 names only in a UTF-8 locale; the build runs under C.
export LC_ALL=C.UTF-8
zip=$1 with_exe=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
[ -s "$zip" ] || { echo "FAIL: $zip is missing"; exit 1; }
top=$(basename "$zip" .zip)
entries=$(zipinfo -1 "$zip")

expected=(Moonleaf2.ocx Tockly.ico 说明.txt sy/s0z sy/s23 sy/f59 sy/ds sy/g0 sy/qx sy/n5
  明星报时/Korvane/0.mp3 明星报时/Korvane/23.mp3 anniu/按钮_移走.jpg anniu/按钮_移上.jpg
  anniu/按钮_按下.jpg tupian/提示窗口.jpg tupian/弹出窗口.jpg tupian/弹出窗口标题.jpg)
[ "$with_exe" = 1 ] && expected+=(Tockly.exe)
for entry in "${expected[@]}"; do
  grep -qxF "$top/$entry" <<<"$entries" || fail "$top/$entry is not in the zip"
done
grep -v "^$top/" <<<"$entries" | grep -q . && fail "entries outside $top/: $(grep -v "^$top/" <<<"$entries" | head -3)"
[ "$(grep -c "^$top/sy/." <<<"$entries")" = 118 ] || fail "sy/ holds $(grep -c "^$top/sy/." <<<"$entries") files, not 118"

# Walks the central directory from the end record (the last 22 bytes, no zip comment):
# flags at byte 8 of each entry, then the lengths of name, extra field and comment at 28.
number() { od -An -tu"$2" -j "$1" -N"$2" "$zip" | tr -d ' '; }
end=$(($(stat -c %s "$zip") - 22))
count=$(number $((end + 10)) 2) offset=$(number $((end + 16)) 4)
unflagged=0
for ((i = 0; i < count; i++)); do
  flags=$(number $((offset + 8)) 2) name_length=$(number $((offset + 28)) 2)
  name=$(dd if="$zip" bs=1 skip=$((offset + 46)) count="$name_length" 2>/dev/null)
  if LC_ALL=C grep -q '[^ -~]' <<<"$name" && [ $((flags & 0x800)) -eq 0 ]; then
    unflagged=$((unflagged + 1))
  fi
  offset=$((offset + 46 + name_length + $(number $((offset + 30)) 2) + $(number $((offset + 32)) 2)))
done
[ "$count" = "$(wc -l <<<"$entries")" ] || fail "the central directory lists $count entries"
[ $unflagged -eq 0 ] || fail "$unflagged non-ASCII names are not flagged as UTF-8"

readme=$(unzip -p "$zip" "$top/说明.txt" | head -c 3 | od -An -tx1 | tr -d ' ')
[ "$readme" = efbbbf ] || fail "说明.txt does not start with a UTF-8 byte-order mark"
unzip -p "$zip" "$top/说明.txt" | grep -qv $'\r$' && fail "说明.txt has lines without CR LF"
[ $failures -eq 0 ] && echo "ok: $(wc -l <<<"$entries") entries in $(basename "$zip")"
exit $failures
