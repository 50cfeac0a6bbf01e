#!/usr/bin/env bash
# The picture on the installer's finish page, 164 x 314 (the page's picture at 96 DPI): the
# program's icon on the light blue of its prompt window, with its name under it. Drawn at
# twice the size and scaled down like the program's own pictures.
#   make_finish_picture.sh TOCKLY.ICO OUT.bmp
set -euo pipefail
icon=$1 out=$2
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The icon's largest image is its last.
convert "$icon[-1]" -resize 176x176 "PNG32:$work/icon.png"
convert -size 328x628 'gradient:#FAFCFF-#CFE0F3' \
  -fill '#3C7FC8' -draw 'rectangle 0,0 327,11' \
  -fill '#D3E2F2' -draw 'rectangle 0,560 327,627' \
  -stroke '#B8CCE2' -strokewidth 2 -draw 'line 0,560 327,560' -stroke none \
  "$work/icon.png" -gravity north -geometry +0+84 -composite \
  -font "$font" -fill '#1F3A5F' -pointsize 48 -annotate +0+290 'Tockly' \
  -fill '#4A5A70' -pointsize 28 -annotate +0+360 '闹钟' \
  -filter Lanczos -resize 50% -alpha off -type TrueColor "BMP3:$out"
