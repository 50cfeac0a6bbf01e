#!/usr/bin/env bash
# The generated pictures: JPEG of the sizes the windows are laid out for (the prompt
# window's from its model, in twips at 15 per pixel), a calm face where the program writes
# its texts (light under dark text, dark under the popup's white title), and an icon with
# every size from 16 to 256 pixels.   check_pictures.sh ROOT PROMPT-WINDOW-HEADER
set -u
root=$1 header=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

twips() { sed -n "s/.*$1 = \([0-9]*\);.*/\1/p" "$header"; }
prompt_w=$(($(twips kPromptWidthTwips) / 15)) prompt_h=$(($(twips kPromptHeightTwips) / 15))
[ "$prompt_w" -gt 0 ] && [ "$prompt_h" -gt 0 ] || fail "no picture size in $header"

# picture, width x height at 96 DPI, text area (w x h + x + y), face under the text.
while read -r picture size area face; do
  for scale in 1 2; do
    file=$root/$picture.jpg
    [ $scale = 2 ] && file=$root/$picture@2x.jpg
    w=$((${size%x*} * scale)) h=$((${size#*x} * scale))
    read -r format actual < <(identify -format '%m %wx%h\n' "$file" 2>/dev/null | head -1)
    [ "${format:-}" = JPEG ] || { fail "$file is missing or not JPEG"; continue; }
    [ "$actual" = "${w}x$h" ] || fail "$file is $actual, not ${w}x$h"
    read -r aw ah ax ay <<<"$(echo "$area" | tr 'x+' '  ')"
    read -r mean deviation < <(convert "$file" -crop "$((aw * scale))x$((ah * scale))+$((ax * scale))+$((ay * scale))" \
      -colorspace gray -format '%[fx:mean] %[fx:standard_deviation]\n' info:)
    case $face in
    light) awk -v m="$mean" 'BEGIN { exit !(m >= 0.75) }' || fail "$file is too dark under its text ($mean)" ;;
    dark) awk -v m="$mean" 'BEGIN { exit !(m <= 0.55) }' || fail "$file is too light under its white text ($mean)" ;;
    esac
    awk -v d="$deviation" 'BEGIN { exit !(d <= 0.1) }' || fail "$file is busy under its text (deviation $deviation)"
  done
done <<TABLE
anniu/按钮_移走 96x28 80x16+8+6 light
anniu/按钮_移上 96x28 80x16+8+6 light
anniu/按钮_按下 96x28 80x16+8+6 light
tupian/提示窗口 ${prompt_w}x$prompt_h 200x118+0+8 light
tupian/弹出窗口 300x220 280x180+10+32 light
tupian/弹出窗口标题 300x26 240x26+0+0 dark
TABLE

sizes=$(identify -format '%w ' "$root/Tockly.ico" 2>/dev/null)
[ "$sizes" = "16 24 32 48 64 128 256 " ] || fail "Tockly.ico holds sizes '$sizes', not 16 to 256"
identify -format '%[channels]\n' "$root/Tockly.ico" | grep -qv rgba && fail "an icon size has no transparency"
[ $failures -eq 0 ] && echo "ok: pictures"
exit $failures
