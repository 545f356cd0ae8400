#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command inside an X server of its own. Xvfb picks a free display itself and reports
# it (-displayfd), so checks run side by side never share or race for a display number, as
# `xvfb-run -a` can when two start in the same instant. -noreset: by default the server
# resets when its last client leaves, and a game started in that moment cannot connect.
set -euo pipefail
fifo_dir="$(mktemp -d)"
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$fifo_dir/display" 2>"$fifo_dir/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$fifo_dir"' EXIT
if ! read -r -t 30 number <"$fifo_dir/display"; then
    echo "FAIL: Xvfb did not start"; cat "$fifo_dir/xvfb.log"; exit 1
fi
# Ready means a client can talk to it.
for _ in $(seq 1 100); do
    xdpyinfo -display ":$number" >/dev/null 2>&1 && break
    kill -0 "$xvfb" 2>/dev/null || { echo "FAIL: Xvfb ended"; cat "$fifo_dir/xvfb.log"; exit 1; }
    sleep 0.1
done
DISPLAY=":$number" "$@"
