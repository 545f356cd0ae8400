#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside the X server that xserver.sh started. A replay given on the command line under
# a name that is not UTF-8 plays; Esc stops it part-way and the game goes on, and the window
# still closes with exit code 0.
set -uo pipefail
binary="$1"
make_replay="$2"
here="$(cd "$(dirname "$0")" && pwd)"
log="$(mktemp)"
dir="$(mktemp -d)"
source "$here/common.sh"
trap 'rm -rf "$log" "$dir"; [ -n "$pid" ] && kill "$pid" 2>/dev/null' EXIT
export QT_LOGGING_RULES='pistework.menu=true;pistework.picture=true'

name="$dir/$(printf 'bout-\xff\xfe.pistework')"
"$make_replay" "$name" || { echo "FAIL: no replay could be written"; exit 1; }

"$binary" "$name" >"$log" 2>&1 &
pid=$!
for _ in $(seq 1 100); do
    window=$(xdotool search --name '^Replay' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: the replay did not start"; cat "$log"; exit 1; }
# Part-way: the fencers have moved, and the bout has minutes to go.
sleep 2
xdotool key --window "$window" Escape
for _ in $(seq 1 50); do
    grep -q "replay ended" "$log" && break
    sleep 0.1
done
grep -q "replay ended" "$log" || { echo "FAIL: Esc did not end the replay"; cat "$log"; exit 1; }
# Long enough for a replay's tick that outlived it to land.
sleep 1
kill -0 "$pid" 2>/dev/null || { echo "FAIL: the game ended after the replay was stopped"; cat "$log"; exit 1; }
title=$(xdotool getwindowname "$window")
[ "$title" = "B.K.S. Pistework" ] || { echo "FAIL: the title is still '$title'"; exit 1; }
echo "Esc part-way: the game goes on"
stop
echo "PASS"
