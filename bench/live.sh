#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game running in an X server of its own: CPU and wake-ups while it waits idle for its
# demonstration, CPU while the demonstration plays, and how punctually the bout's one timer,
# TimerBout, wakes.
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
    # The timer'"'"'s first wake is the one that begins the demonstration; its salute and the
    # referee'"'"'s calls count as the demonstration playing.
    for _ in $(seq 1 150); do grep -q "^TimerBout tick" "$work/log" && break; sleep 0.1; done
    grep -q "^TimerBout tick" "$work/log" || { echo "no demonstration started"; exit 1; }
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
# TimerBout is armed afresh at each wake for the bout's next tick, so no two intervals are
# alike: each wake is measured against the interval it was last armed for ("started" with its
# time, then "start" with the interval). The interval is whole milliseconds of a clock read in
# whole milliseconds, so the bout's own due time may have passed up to 1 ms before it ends.
awk '
    $1 == "TimerBout" && $2 == "started" && $3 ~ /^[0-9]+$/ { from = $3; interval = "" }
    # "start" follows a start; "interval" follows a restart by a new interval.
    $1 == "TimerBout" && ($2 == "start" || $2 == "interval" && last == "started") && $3 ~ /^[0-9]+$/ && from != "" { interval = $3 }
    $1 == "TimerBout" && $2 == "tick" && $3 ~ /^[0-9]+$/ {
        if (from != "" && interval != "") {
            late = ($3 - from) / 1000 - interval; n++; s += late; ss += late * late
            if (n == 1 || late > worst) { worst = late; worstFor = interval }
        }
        from = ""; interval = "" }
    $1 == "TimerBout" { last = $2 }
    END {
        if (n < 2) { print "TimerBout: too few wakes"; exit 1 }
        m = s / n; sd = sqrt((ss - n * m * m) / (n - 1))
        printf "TimerBout: %d wakes, each late against the interval it was armed for by a mean of %.2f ms, standard deviation %.2f ms, at most %.1f ms (armed for %d ms)\n", n, m, sd, worst, worstFor
    }' "$work/log"
