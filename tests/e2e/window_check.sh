#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside the X server that window_test.sh started.
set -uo pipefail
binary="$1"
log="$(mktemp)"
source "$(dirname "$0")/common.sh"
trap 'rm -f "$log"; [ -n "$pid" ] && kill "$pid" 2>/dev/null' EXIT

start
# The client area is the window less the menu bar: 498 wide, 270 plus the menu bar high.
geometry=$(xwininfo -id "$window")
width=$(awk '/Width:/ {print $2}' <<<"$geometry")
height=$(awk '/Height:/ {print $2}' <<<"$geometry")
echo "window $window: ${width} x ${height}"
if [ "$width" != 498 ] || [ "$height" -lt 280 ] || [ "$height" -gt 320 ]; then
    echo "FAIL: expected 498 wide and 270 plus a menu bar high"; exit 1
fi
stop
echo "PASS"
