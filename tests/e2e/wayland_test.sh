#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game as a native Wayland client in a headless weston of its own, leaves it alone
# and reads from its log that the demonstration bout reaches the referee's "Fence"; then ends
# it as a session's end would and expects exit code 0. No X server, display or stdin needed.
set -uo pipefail
binary="$1"
work="$(mktemp -d)"
chmod 700 "$work" # weston and Qt both refuse a runtime folder others can read
weston_pid=""
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
      wait 2>/dev/null; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work" XDG_CONFIG_HOME="$work/config"
unset DISPLAY WAYLAND_DISPLAY

socket="pistework-$$"
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    </dev/null >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 1 100); do
    [ -S "$work/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || { echo "FAIL: weston ended"; cat "$work/weston.log"; exit 1; }
    sleep 0.1
done
[ -S "$work/$socket" ] || { echo "FAIL: weston made no socket"; cat "$work/weston.log"; exit 1; }

log="$work/game.log"
WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland QT_LOGGING_RULES='pistework.*=true' \
    "$binary" </dev/null >"$log" 2>&1 &
pid=$!
# The demonstration starts after 15 s idle; its salute and first calls take a few more.
for _ in $(seq 1 300); do
    grep -q "pistework.caption: lblEngarde caption Fence" "$log" && break
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: the game ended"; cat "$log"; exit 1; }
    sleep 0.1
done
if ! grep -q "pistework.caption: lblEngarde caption Fence" "$log"; then
    echo "FAIL: no demonstration bout reached Fence within 30 s"; cat "$log"; exit 1
fi
# The window is Qt's Wayland client, not a fallback.
if ! grep -q libQt6WaylandClient "/proc/$pid/maps"; then
    echo "FAIL: the game did not load Qt's Wayland client"; exit 1
fi
echo "demonstration reached Fence on Wayland"

kill -TERM "$pid"
code=0
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the game did not end on SIGTERM"; kill -9 "$pid"; exit 1
fi
wait "$pid" || code=$?
pid=""
echo "exit code $code"
[ "$code" -eq 0 ] || { echo "FAIL: exit code $code"; cat "$log"; exit 1; }
echo "PASS"
