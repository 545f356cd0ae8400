#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game running in an X server of its own: CPU and wake-ups while it waits idle for its
# demonstration, CPU while the demonstration plays, and how regularly TimerRight ticks.
# Usage: bench/live.sh [BUILD_DIR] [DEMO_SECONDS]   (default build, 60)
source "$(dirname "$0")/common.sh"
seconds="${2:-60}"
# Every tick with its time; the few lines a second this writes are part of what is measured.
export QT_LOGGING_RULES='pistework.tick=true;pistework.timer=true'
export QT_MESSAGE_PATTERN='%{message}'

"$here/../tests/e2e/xserver.sh" bash -c '
    set -euo pipefail
    binary="$1"; seconds="$2"; work="$3"
    "$binary" 2>"$work/log" &
    pid=$!
    # CPU time in clock ticks, and context switches summed over all threads.
    cpu() { awk "{print \$14 + \$15}" "/proc/$pid/stat"; }
    wakeups() { cat /proc/$pid/task/*/status | awk "/ctxt_switches/ {n += \$2} END {print n}"; }
    sleep 2
    c0=$(cpu); w0=$(wakeups); t0=$EPOCHREALTIME
    sleep 10   # the auto-play timer starts the demonstration 15 s after start
    c1=$(cpu); w1=$(wakeups); t1=$EPOCHREALTIME
    echo "idle $c0 $c1 $w0 $w1 $t0 $t1" >"$work/samples"
    # The salute and the referee'"'"'s calls take some seconds more before the first phrase.
    for _ in $(seq 1 150); do grep -q "TimerRight start" "$work/log" && break; sleep 0.1; done
    grep -q "TimerRight start" "$work/log" || { echo "no demonstration started"; exit 1; }
    c2=$(cpu); t2=$EPOCHREALTIME
    sleep "$seconds"
    c3=$(cpu); t3=$EPOCHREALTIME
    echo "demo $c2 $c3 0 0 $t2 $t3" >>"$work/samples"
    kill "$pid"; wait "$pid" || true
' _ "$build/bin/pistework" "$seconds" "$work"

hz=$(getconf CLK_TCK)
awk -v hz="$hz" '{
    secs = $7 - $6
    printf "%-5s %5.1f s: CPU %.2f %% of one core", $1, secs, 100 * ($3 - $2) / hz / secs
    if ($1 == "idle") printf ", %.1f wake-ups a second (all threads)", ($5 - $4) / secs
    printf "\n" }' "$work/samples"
# The intervals of TimerRight: each tick against the one before, or against the (re)start
# that came after it.
awk '
    $1 == "TimerRight" && $2 == "tick" && $3 ~ /^[0-9]+$/ {
        if (from != "") { d = ($3 - from) / 1000; n++; s += d; ss += d * d; if (d > worst) worst = d }
        from = $3 }
    $1 == "TimerRight" && $2 == "started" && $3 ~ /^[0-9]+$/ { from = $3 }
    END {
        if (n < 2) { print "TimerRight: too few ticks"; exit 1 }
        m = s / n; sd = sqrt((ss - n * m * m) / (n - 1))
        printf "TimerRight: %d intervals, mean %.2f ms, standard deviation %.2f ms, longest %.1f ms (against 100 ms)\n", n, m, sd, worst
    }' "$work/log"
