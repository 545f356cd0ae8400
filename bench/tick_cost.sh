#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What one tick of play costs in the real window, painting included: the game runs under
# callgrind in an X server of its own, and the instructions of 30 s of a demonstration,
# counted from 40 s after it began (once every picture has been seen), are divided by the
# ticks of play in that time: the bout's one timer wakes once a tick (a build before it had a
# timer for each kind of tick, and every one of them counts). Instruction counts do not depend
# on the machine's load.
# Usage: bench/tick_cost.sh [BUILD_DIR]   (about two minutes)
source "$(dirname "$0")/common.sh"
export QT_LOGGING_RULES='pistework.tick=true'
export QT_MESSAGE_PATTERN='%{message}'

"$here/../tests/e2e/xserver.sh" bash -c '
    set -euo pipefail
    binary="$1"; work="$2"
    ticks() {
        grep -c "^Timer\(Left\|Right\|President\|Clock\|Light\|Salute\|AutoPlay\|Bout\) tick" \
            "$work/log" || true
    }
    valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$work/cg.%p" \
        "$binary" 2>"$work/log" &
    vg=$!
    # The demonstration begins: the first tick of play, or the right fencer timer started.
    for _ in $(seq 1 900); do
        grep -q "^Timer\(Bout tick\|Right started\)" "$work/log" && break
        sleep 0.1
    done
    sleep 40
    n0=$(ticks)
    callgrind_control -z "$vg" >/dev/null
    callgrind_control -i on "$vg" >/dev/null
    sleep 30
    callgrind_control -d "$vg" >/dev/null
    n1=$(ticks)
    echo $((n1 - n0)) >"$work/ticks"
    kill "$vg"; wait "$vg" || true
' _ "$build/bin/pistework" "$work" >"$work/run.log" 2>&1 || { cat "$work/run.log"; exit 1; }

dump="$(ls -S "$work"/cg.*.1 | head -n 1)"
total=$(callgrind_annotate "$dump" 2>/dev/null | awk '/PROGRAM TOTALS/ && !n++ {gsub(",", "", $1); print $1}')
ticks=$(cat "$work/ticks")
echo "one tick of play in the window: $((total / ticks)) instructions ($total over $ticks ticks)"
