# Sourced: starts an Xvfb screen of the size given (default 640x480) on a free
# display, exports DISPLAY and stops the server when the shell exits.
start_xvfb() {
    local size=${1:-640x480}
    local display=90
    while [ -e /tmp/.X$display-lock ] || [ -e /tmp/.X11-unix/X$display ]; do display=$((display + 1)); done
    Xvfb :$display -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=:$display
    trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
    for _ in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Xvfb did not start" >&2
    return 1
}
