#!/usr/bin/env bash
# Sets up everything, builds the programs and the sample distribution, and
# starts the installer under Wine on it: on the user's display when there is
# one, otherwise on a headless screen, writing screenshots to build/screenshots.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
scripts/install-deps.sh
scripts/build.sh
scripts/make-sample.sh build/win32 build/sample
. tests/wine/lib.sh
echo "running the $WINE_KIND"
scripts/make-sample.sh "$EXE_DIR" build/sample-run >/dev/null
new_prefix main
cp -r build/sample-run "$C/sample"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "starting the installer on $DISPLAY; it ends with its exit button"
    (cd "$C/sample" && "$WINE" setup.exe)
    echo "setup ended with exit code $?"
    exit 0
fi

. scripts/xvfb.sh
start_xvfb 640x480
shots=$ROOT/build/screenshots
mkdir -p "$shots"
(cd "$C/sample" && "$WINE" setup.exe; echo $? > "$WORK/main-exit") &
wait_for 60 window_shown INSTALL_ZEM || { echo "the installer window did not appear"; exit 1; }
sleep 1
/usr/bin/import -window root -crop 320x240+160+120 +repage "$shots/installer.png"
xdotool mousemove 320 330
sleep 1
/usr/bin/import -window root -crop 320x240+160+120 +repage "$shots/installer-install-lit.png"
xdotool mousemove 420 330 click 1
wait_for 30 test -s "$WORK/main-exit" || true
echo "screenshots: $shots/installer.png, $shots/installer-install-lit.png"
echo "setup ended with exit code $(cat "$WORK/main-exit" 2>/dev/null || echo '?')"
end_prefix
