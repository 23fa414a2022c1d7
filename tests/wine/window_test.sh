#!/usr/bin/env bash
# The installer window under Wine: place and size, the normal picture with the
# default install folder, the lit button under the pointer, the exit button.
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ROOT/tests/wine/lib.sh"

new_prefix window
dist=$C/dist
mkdir -p "$dist"
cp "$EXE_DIR/setup.exe" "$dist/"
"$ROOT/scripts/make-pictures.sh" "$dist"
a=$dist/background_a.bmp
b=$dist/background_b.bmp
shots=$WORK/shots-window
mkdir -p "$shots"

(cd "$dist" && "$WINE" setup.exe; echo $? > "$WORK/window-exit") &
check "the window INSTALL_ZEM appears" wait_for 60 window_shown INSTALL_ZEM
sleep 1
check "at (160, 120), 320 x 240" [ "$(window_geometry INSTALL_ZEM)" = "160 120 320 240" ]

screenshot "$shots/normal.png"
check "above the status line: the normal picture" same_region "$shots/normal.png" 160 120 320 150 "$a" 0 0
check "the button strip: the normal picture" same_region "$shots/normal.png" 160 300 320 60 "$a" 0 180
text=$(differing "$shots/normal.png" 180 270 260 30 "$a" 20 150)
check "the status line carries text ($text pixels)" [ "$text" -gt 100 ]

# Each button lit in turn: its cell from the second picture, the rest normal.
cells=("0 106" "106 106" "212 106")
for zone in 1 2 3; do
    set -- ${cells[$((zone - 1))]}
    left=$1 width=$2
    xdotool mousemove $((160 + left + 40)) $((120 + 210))
    sleep 1
    shot=$shots/zone$zone.png
    screenshot "$shot"
    check "zone $zone: its cell is lit" same_region "$shot" $((160 + left)) 300 "$width" 60 "$b" "$left" 180
    for other in 1 2 3; do
        [ $other = $zone ] && continue
        set -- ${cells[$((other - 1))]}
        check "zone $zone: cell $other stays normal" same_region "$shot" $((160 + $1)) 300 "$2" 60 "$a" "$1" 180
    done
    check "zone $zone: columns 318-319 stay normal" same_region "$shot" 478 300 2 60 "$a" 318 180
done

xdotool mousemove 420 330 click 1
check "the exit button closes the window" wait_for 30 window_gone INSTALL_ZEM
wait_for 30 test -s "$WORK/window-exit" || true
check "setup ends with exit code 0" [ "$(cat "$WORK/window-exit" 2>/dev/null)" = "0" ]
finish
