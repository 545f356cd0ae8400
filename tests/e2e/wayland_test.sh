#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a native Wayland client of a headless weston of its own, left alone until its
# demonstration bout reaches "Fence"; a session's end then closes it with exit code 0. Needs no
# X server, display or stdin.
set -uo pipefail
binary="$1"
work="$(mktemp -d)" # weston and Qt both refuse a runtime folder others may read: mktemp's is 700
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work" XDG_CONFIG_HOME="$work/config" WAYLAND_DISPLAY="pistework-$$"
unset DISPLAY
fail() { echo "FAIL: $1"; cat "$2"; exit 1; }

weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 </dev/null \
    >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do [ -S "$work/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$work/$WAYLAND_DISPLAY" ] || fail "weston made no socket" "$work/weston.log"

log="$work/game.log"
QT_QPA_PLATFORM=wayland QT_LOGGING_RULES='pistework.*=true' "$binary" </dev/null >"$log" 2>&1 &
pid=$!
pids+=("$pid")
# The demonstration starts after 15 s idle; its salute and first calls take a few more.
for _ in $(seq 1 300); do
    grep -q "pistework.caption: lblEngarde caption Fence" "$log" && break
    kill -0 "$pid" 2>/dev/null || fail "the game ended" "$log"
    sleep 0.1
done
grep -q "pistework.caption: lblEngarde caption Fence" "$log" || fail "no Fence within 30 s" "$log"
grep -q libQt6WaylandClient "/proc/$pid/maps" || fail "Qt's Wayland client is not loaded" "$log"
echo "demonstration reached Fence on Wayland"

kill -TERM "$pid"
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the game did not end on SIGTERM" "$log"
code=0
wait "$pid" || code=$?
echo "exit code $code"
[ "$code" -eq 0 ] || fail "exit code $code" "$log"
echo "PASS"
