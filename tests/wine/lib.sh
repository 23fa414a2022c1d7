# Helpers for the end-to-end tests: the real programs under Wine, on an Xvfb
# screen, driven with xdotool. Sourced by each test; needs ROOT (the repo).
set -euo pipefail

: "${ROOT:?}"
WORK=${WORK:-$ROOT/build/wine}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="

# The programs are 32-bit. Where this machine cannot execute 32-bit code at
# all (no 32-bit mode in its processor's virtualisation; wine32 then fails
# with "Exec format error"), the same sources built for 64-bit Windows run
# under wine64 instead.
choose_wine() {
    if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
        WINE=/usr/bin/wine
        EXE_DIR=$ROOT/build/win32
        WINE_KIND="32-bit programs under wine32"
    else
        WINE=/usr/lib/wine/wine64
        EXE_DIR=$ROOT/build/win64
        WINE_KIND="64-bit build of the same sources under wine64 (this machine cannot execute 32-bit code)"
    fi
    WINESERVER=/usr/lib/wine/wineserver
}
choose_wine

# A prefix made once and copied for each test, so that tests do not meet.
template_prefix() {
    local template=$WORK/template-$(basename "$EXE_DIR")
    if [ ! -f "$template/.ready" ]; then
        rm -rf "$template"
        mkdir -p "$WORK"
        WINEPREFIX=$template "$WINE" wineboot -i >/dev/null 2>&1
        WINEPREFIX=$template "$WINESERVER" -w
        touch "$template/.ready"
    fi
    echo "$template"
}

new_prefix() {  # new_prefix NAME: sets WINEPREFIX and C (its drive C)
    local template
    template=$(template_prefix)
    export WINEPREFIX=$WORK/prefix-$1
    rm -rf "$WINEPREFIX"
    cp -a "$template" "$WINEPREFIX"
    C=$WINEPREFIX/drive_c
}

end_prefix() {
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
}

FAILURES=0
check() {  # check DESCRIPTION COMMAND...: one assertion
    if "${@:2}"; then
        echo "  ok: $1"
    else
        echo "  FAILED: $1"
        FAILURES=$((FAILURES + 1))
    fi
}

finish() {  # the test's result, for the runner
    end_prefix
    if [ "$FAILURES" -eq 0 ]; then echo "PASS"; exit 0; else echo "FAIL ($FAILURES)"; exit 1; fi
}

wait_for() {  # wait_for SECONDS COMMAND...: true once COMMAND is
    local until=$((SECONDS + $1))
    shift
    while [ $SECONDS -lt "$until" ]; do
        "$@" && return 0
        sleep 0.3
    done
    return 1
}

window_id() { xdotool search --name "^$1\$" 2>/dev/null | head -n 1; }
window_shown() { [ -n "$(window_id "$1")" ]; }
window_gone() { [ -z "$(window_id "$1")" ]; }

window_geometry() {  # prints X Y WIDTH HEIGHT
    local id
    id=$(window_id "$1")
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo "$X $Y $WIDTH $HEIGHT"
}

# ImageMagick by full path: a PATH may hold other programs of these names.
screenshot() { /usr/bin/import -window root "$1"; }

# Differing pixels between a screen region and the same-sized region of a
# picture: differing SHOT X Y W H PICTURE PX PY
differing() {
    local left=$WORK/region-screen.png right=$WORK/region-picture.png
    /usr/bin/convert "$1" -crop "$4x$5+$2+$3" +repage "$left"
    /usr/bin/convert "$6" -crop "$4x$5+$7+$8" +repage "$right"
    /usr/bin/compare ${FUZZ:+-fuzz $FUZZ} -metric AE "$left" "$right" null: 2>&1 || true
}
same_region() { [ "$(differing "$@")" = "0" ]; }

# The same text drawn again: transparent anti-aliased text drawn over itself
# (as a lit-button redraw does) comes out darker, but no glyph moves.
same_text() { [ "$(FUZZ=40% differing "$@")" = "0" ]; }

# Runs setup.exe from the sample in $C/sample and clicks its install button;
# the exit code goes to the file named, once setup has ended.
install_sample() {  # install_sample EXIT-FILE
    rm -f "$1"
    (cd "$C/sample" && "$WINE" setup.exe; echo $? > "$1") &
    check "the installer window appears" wait_for 60 window_shown INSTALL_ZEM
    sleep 1
    xdotool mousemove 320 330 click 1
    check "setup ends after the install button" wait_for 120 test -s "$1"
}
