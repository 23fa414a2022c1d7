#!/usr/bin/env bash
# Draws the installer's two screen pictures into the folder given: the normal
# screen and the same screen with every button lit. 320 x 240, 24-bit BMP.
set -euo pipefail
out=${1:?usage: make-pictures.sh FOLDER}
mkdir -p "$out"
im=/usr/bin/convert
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

draw() {  # draw FILE BUTTON-FILL BUTTON-TEXT
    "$im" -size 320x240 gradient:'#10243f-#2b5c8a' \
        -font "$font" -fill '#f0f4f8' -pointsize 40 -annotate +20+60 'ZEM' \
        -pointsize 14 -fill '#b8cde0' -annotate +22+84 'Setup' \
        -fill '#dce6f0' -draw 'rectangle 14,146 306,179' \
        -fill '#1a3350' -draw 'rectangle 0,180 319,239' \
        -fill "$2" -draw 'roundrectangle 6,188 99,231 8,8' \
        -draw 'roundrectangle 112,188 205,231 8,8' \
        -draw 'roundrectangle 218,188 311,231 8,8' \
        -fill "$3" -pointsize 15 \
        -annotate +28+215 'Folder' -annotate +131+215 'Install' -annotate +247+215 'Exit' \
        -type TrueColor "BMP3:$1"
}
draw "$out/background_a.bmp" '#34587c' '#c8d6e4'
draw "$out/background_b.bmp" '#f2a93b' '#1a1a1a'
