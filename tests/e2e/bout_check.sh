#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside the X server that bout_test.sh started.
set -uo pipefail
binary="$1"
here="$(cd "$(dirname "$0")" && pwd)"
log="$(mktemp)"
source "$here/common.sh"
trap 'rm -f "$log"; [ -n "$pid" ] && kill "$pid" 2>/dev/null' EXIT
export QT_LOGGING_RULES='pistework.*=true'

# True when the log holds these lines in this order, others in between.
in_order() {
    awk -v want="$(printf '%s\n' "$@")" '
        BEGIN { n = split(want, w, "\n"); i = 1 }
        i <= n && index($0, w[i]) { i++ }
        END { exit !(i > n) }' "$log"
}

# Waits up to $1 seconds for the lines that follow to appear in order.
wait_for() {
    local seconds="$1"; shift
    local tries=$((seconds * 10))
    for _ in $(seq 1 "$tries"); do
        in_order "$@" && return 0
        sleep 0.1
    done
    return 1
}

salute=("imgFencerA picture SALUTE1A" "imgFencerB picture SALUTE1B" "imgFencerA picture SALUTE2A"
        "imgFencerA picture SALUTE3A" "imgFencerA picture SALUTE2A" "imgFencerA picture SALUTE1A"
        "imgFencerA picture ENGARDEA" "imgFencerB picture ENGARDEB")
calls=("lblEngarde caption Engarde" "lblEngarde caption Are you ready?" "lblEngarde caption Fence")

# F2 starts a bout: the salute and the referee's first three calls within ten seconds.
start
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --window "$window" F2
if ! wait_for 10 "${salute[@]}" "${calls[@]}"; then
    echo "FAIL: no salute and Engarde, Are you ready?, Fence within 10 s of F2"; cat "$log"; exit 1
fi
if grep -q "lblStart shown" "$log"; then
    echo "FAIL: 'Press F2 to Start' showed outside a demonstration"; grep "lblStart " "$log"; exit 1
fi
echo "F2: salute and calls seen"
stop

# Left alone, the game starts a demonstration bout after 15 seconds.
start
sleep 12
if grep -q "SALUTE1A" "$log"; then
    echo "FAIL: a bout started before the game had been idle for 15 s"; cat "$log"; exit 1
fi
if ! wait_for 10 "lblStart shown" "${salute[@]}" "lblEngarde caption Engarde"; then
    echo "FAIL: no demonstration bout after 15 s idle"; cat "$log"; exit 1
fi
echo "idle: demonstration bout started"
stop
echo "PASS"
