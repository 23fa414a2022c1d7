#!/usr/bin/env bash
# A running product is asked to quit when the installer starts.
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ROOT/tests/wine/lib.sh"

new_prefix close
dist=$C/dist
mkdir -p "$dist"
cp "$EXE_DIR/setup.exe" "$EXE_DIR/ZEM.exe" "$dist/"
"$ROOT/scripts/make-pictures.sh" "$dist"
runs=$C/zem-runs.txt
rm -f "$runs"

(cd "$dist" && "$WINE" ZEM.exe; echo $? > "$WORK/close-product-exit") &
check "the stand-in product is running" wait_for 60 grep -qs "ZEM.exe" "$runs"
sleep 1
(cd "$dist" && "$WINE" setup.exe; echo $? > "$WORK/close-setup-exit") &
check "the installer window appears" wait_for 60 window_shown INSTALL_ZEM
check "the product has quit" wait_for 15 grep -qs "^quit" "$runs"
check "the product process ended" wait_for 15 test -s "$WORK/close-product-exit"
xdotool mousemove 420 330 click 1
check "the exit button ends setup" wait_for 30 test -s "$WORK/close-setup-exit"
check "setup ends with exit code 0" [ "$(cat "$WORK/close-setup-exit" 2>/dev/null)" = "0" ]
finish
