#!/usr/bin/env bash
# Runs inside the X server that window_test.sh started.
set -uo pipefail
binary="$1"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT

"$binary" >"$log" 2>&1 &
pid=$!

window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --name '^B\.K\.S\. Pistework$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "FAIL: no window titled 'B.K.S. Pistework' appeared"; cat "$log"; kill "$pid" 2>/dev/null; exit 1
fi

# The client area is the window less the menu bar: 498 wide, 270 plus the menu bar high.
geometry=$(xwininfo -id "$window")
width=$(awk '/Width:/ {print $2}' <<<"$geometry")
height=$(awk '/Height:/ {print $2}' <<<"$geometry")
echo "window $window: ${width} x ${height}"
if [ "$width" != 498 ] || [ "$height" -lt 280 ] || [ "$height" -gt 320 ]; then
    echo "FAIL: expected 498 wide and 270 plus a menu bar high"; kill "$pid"; exit 1
fi

# Close as a window manager would: WM_DELETE_WINDOW through the window system.
"$(dirname "$0")/close_window.py" "$window"
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the program did not end after its window was closed"; kill -9 "$pid"; exit 1
fi
wait "$pid"; code=$?
echo "exit code $code"
[ "$code" -eq 0 ] || { cat "$log"; exit 1; }
echo "PASS"
