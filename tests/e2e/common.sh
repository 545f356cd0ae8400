# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the checks that run inside an X server: start the game, find its window, close
# it through the window system. Expects $binary and $log; sets $pid and $window.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
pid=""
window=""

start() {
    : >"$log"
    "$binary" >"$log" 2>&1 &
    pid=$!
    window=""
    for _ in $(seq 1 100); do
        window=$(xdotool search --name '^B\.K\.S\. Pistework$' 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && return 0
        sleep 0.1
    done
    echo "FAIL: no window titled 'B.K.S. Pistework' appeared"; cat "$log"; exit 1
}

# Closes the window as a window manager would and expects the program to end with code 0.
stop() {
    "$here/close_window.py" "$window"
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "FAIL: the program did not end after its window was closed"; kill -9 "$pid"; exit 1
    fi
    local code=0
    wait "$pid" || code=$?
    pid=""
    echo "exit code $code"
    [ "$code" -eq 0 ] || { echo "FAIL: exit code $code"; cat "$log"; exit 1; }
}
