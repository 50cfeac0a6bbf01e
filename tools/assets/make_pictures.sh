#!/usr/bin/env bash
# The pictures beside the program, drawn with ImageMagick:
#   make_pictures.sh OUT-DIR PREVIEW-DIR
# Each picture is drawn at twice its size and scaled down, so the plain file serves 96 DPI and
# the "@2x" file 192 DPI with the same look. The previews show them with sample texts in the
# places the program writes its own, to judge them by eye.
set -euo pipefail
out=$1 previews=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out/anniu" "$out/tupian" "$previews"
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
im() { convert -define jpeg:dct-method=float "$@"; }

# Saves a picture drawn at double size as NAME@2x.jpg and NAME.jpg (half size).
save_both() {  # DRAWN-PNG OUT-PATH-WITHOUT-EXTENSION
  im "$1" -quality 95 -sampling-factor 1x1 "$2@2x.jpg"
  im "$1" -filter Lanczos -resize 50% -quality 95 -sampling-factor 1x1 "$2.jpg"
}

# Button pictures, 96 x 28 (the label with the button's text lies over them). The corners
# take the colour of a dialog's face, on which the buttons stand.
face='#F0F0F0'
button() {  # NAME TOP-COLOUR BOTTOM-COLOUR BORDER-COLOUR HIGHLIGHT
  im -size 192x56 "gradient:$2-$3" \
    \( -size 192x56 xc:black -fill white -draw "roundrectangle 1,1 190,54 9,9" \) \
    -alpha off -compose CopyOpacity -composite \
    -fill none -stroke "$4" -strokewidth 2 -draw "roundrectangle 1,1 190,54 9,9" \
    -stroke "$5" -strokewidth 2 -draw "line 10,4 182,4" \
    -background "$face" -compose Over -flatten "$work/$1.png"
  save_both "$work/$1.png" "$out/anniu/$1"
}
button 按钮_移走 '#FFFFFF' '#E3EAF2' '#A7B6C8' '#FFFFFF'
button 按钮_移上 '#F4F9FF' '#CBE1FA' '#4F92DC' '#FFFFFF'
button 按钮_按下 '#B9D3F1' '#DCEAFA' '#2F6DB8' '#A9C6EA'

# The prompt window, 251 x 160 (3765 x 2400 twips at 96 DPI): four text lines on a light
# panel (status, time, date, lunar), a band at the foot for the hint or the action button,
# a faint clock face at the right.
im -size 502x320 'gradient:#FAFCFF-#E2ECF7' \
  -fill '#3C7FC8' -draw 'rectangle 0,0 501,7' \
  -fill '#D3E2F2' -draw 'rectangle 0,252 501,319' \
  -stroke '#B8CCE2' -strokewidth 2 -draw 'line 0,252 501,252' \
  -stroke '#E3ECF6' -draw 'line 20,66 482,66' -draw 'line 20,126 482,126' \
  -draw 'line 20,188 482,188' \
  -fill none -stroke '#DCE7F3' -strokewidth 10 -draw 'circle 410,140 410,70' \
  -strokewidth 8 -draw 'line 410,140 410,92' -draw 'line 410,140 446,158' \
  -fill none -stroke '#7E9CBE' -strokewidth 2 -draw 'rectangle 1,1 500,318' \
  "$work/prompt.png"
save_both "$work/prompt.png" "$out/tupian/提示窗口"

# The popup window, 300 x 220: a frame around the page, under a title strip of 300 x 26
# (the title's text is white on it) whose right end holds the close box.
im -size 600x440 'gradient:#F7FAFE-#E4EDF7' \
  -fill white -stroke '#B7C9DD' -strokewidth 2 -draw 'rectangle 12,62 587,427' \
  -fill none -stroke '#6F8FB3' -strokewidth 2 -draw 'rectangle 1,1 598,438' \
  "$work/popup.png"
save_both "$work/popup.png" "$out/tupian/弹出窗口"
im -size 600x52 'gradient:#4B93DD-#2C68B0' \
  -stroke '#6FAAE6' -strokewidth 2 -draw 'line 0,1 599,1' \
  -fill '#ffffff30' -stroke '#FFFFFFB0' -strokewidth 2 -draw 'roundrectangle 558,10 590,42 5,5' \
  -stroke white -strokewidth 4 -draw 'line 566,18 582,34' -draw 'line 582,18 566,34' \
  "$work/title.png"
save_both "$work/title.png" "$out/tupian/弹出窗口标题"

# The program icon (window and tray): an alarm clock, drawn in a 256 x 256 space. Small sizes
# get a simpler drawing with bolder lines, so they stay clear at 16 pixels.
icon_detailed='
  stroke #B23A22 stroke-width 18 stroke-linecap round line 70,222 52,242 line 186,222 204,242
  fill #F0A33A stroke #B8641A stroke-width 6 circle 62,62 62,22 circle 194,62 194,22
  fill #E4553B stroke #B23A22 stroke-width 6 circle 128,140 128,36
  fill #FFFFFF stroke none circle 128,140 128,58
  stroke #5B6675 stroke-width 6 stroke-linecap round
  line 128,68 128,80 line 128,200 128,212 line 56,140 68,140 line 188,140 200,140
  stroke #2B3442 stroke-width 12 line 128,140 128,88 stroke-width 10 line 128,140 168,164
  fill #E4553B stroke none circle 128,140 128,128'
icon_simple='
  fill #F0A33A stroke none circle 60,58 60,14 circle 196,58 196,14
  fill #E4553B stroke none circle 128,140 128,28
  fill #FFFFFF circle 128,140 128,66
  stroke #2B3442 stroke-width 24 stroke-linecap round line 128,140 128,84 line 128,140 172,166'
sizes=(16 24 32 48 64 128 256)
icon_files=()
for size in "${sizes[@]}"; do
  drawing=$icon_detailed
  [ "$size" -le 32 ] && drawing=$icon_simple
  scale=$(echo "$size / 256" | bc -l)
  convert -size "${size}x${size}" xc:none -draw "scale $scale,$scale $drawing" "PNG32:$work/icon-$size.png"
  icon_files+=("$work/icon-$size.png")
done
convert "${icon_files[@]}" "$out/Tockly.ico"

# Previews.
convert "$out/Tockly.ico[6]" "$previews/assets-icon-256.png"
montage -background '#F0F0F0' -geometry '+8+8' -tile x1 "${icon_files[@]:0:6}" \
  "$previews/assets-icon-sizes.png"

buttons_preview() {  # SUFFIX SCALE OUT
  local tiles=() state
  for state in 按钮_移走 按钮_移上 按钮_按下; do
    local colour=black
    [ "$state" != 按钮_移走 ] && colour=blue
    convert "$out/anniu/$state$1.jpg" -font "$font" -pointsize $((9 * $2 * 4 / 3)) -fill "$colour" \
      -gravity center -annotate +0+0 'Internet对时' "$work/tile-$state.png"
    tiles+=("$work/tile-$state.png")
  done
  montage -background '#F0F0F0' -geometry "+$((6 * $2))+$((6 * $2))" -tile x1 "${tiles[@]}" "$3"
}
buttons_preview '' 1 "$previews/assets-buttons-100.png"
buttons_preview @2x 2 "$previews/assets-buttons-200.png"

prompt_preview() {  # SUFFIX SCALE OUT
  local s=$2
  convert "$out/tupian/提示窗口$1.jpg" -font "$font" -fill '#1F3A5F' \
    -pointsize $((10 * s * 4 / 3)) -annotate "+$((12 * s))+$((24 * s))" ' *定时12* 起床了' \
    -pointsize $((16 * s * 4 / 3)) -annotate "+$((12 * s))+$((56 * s))" '6:45:00' \
    -pointsize $((10 * s * 4 / 3)) -annotate "+$((12 * s))+$((84 * s))" '2010年4月5日' \
    -annotate "+$((12 * s))+$((114 * s))" '农历庚寅年二月廿一' \
    -fill '#4A5A70' -pointsize $((9 * s * 4 / 3)) -annotate "+$((12 * s))+$((148 * s))" '提示：双击可以关闭该提示窗口' \
    "$3"
}
prompt_preview '' 1 "$previews/assets-prompt-100.png"
prompt_preview @2x 2 "$previews/assets-prompt-200.png"

convert "$out/tupian/弹出窗口.jpg" "$out/tupian/弹出窗口标题.jpg" -geometry +0+0 -composite \
  -font "$font" -fill white -pointsize 12 -annotate +4+18 '  新闻资讯' \
  -fill '#333333' -pointsize 12 -annotate +16+56 '2010年4月5日 星期一' "$previews/assets-popup-100.png"
