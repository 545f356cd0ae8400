#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two real programs fence a network bout on the loopback address, and a third watches: the
# guest's keys make a hit the host and the watcher see scored. Each player's own fencer answers
# its keys as soon over a link of 75 ms each way (through a proxy) as over the loopback, and as
# soon as the other player's does: the felt delay, from a key to the fencer's first new picture
# on that player's screen, is printed and checked. The proxy counts the bytes each way. Then
# the link is broken at random points in a few ways: both windows say the bout ended and go on
# with a game of their own.
# Runs inside the X server that xserver.sh started. Usage: network_check.sh PISTEWORK
set -uo pipefail
binary="$1"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
declare -A pids
cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
source "$here/network_common.sh"
export QT_LOGGING_RULES='pistework.*=true'
# Seconds since the program started, to the millisecond, before every line.
export QT_MESSAGE_PATTERN='%{time process} %{message}'
delay=75
# How far apart two felt delays may be, in milliseconds, and how many keys measure one.
felt_budget=15
presses=${FELT_PRESSES:-12}

fail() { echo "FAIL: $*"; for f in "$work"/*.log; do echo "== $f"; tail -n 40 "$f"; done; exit 1; }

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# Host and guest, the guest through port $1 to the host on port $2; on loopback, a typo first.
pair() {
    launch host --host "$2" --code 654321
    wait_log host 10 "network hosting on port $2" || fail "the host did not listen"
    [ "$1" != "$2" ] || { launch wrong --join "127.0.0.1:$1" --code 000000 && wait_log host 10 "network bout ended: 4" || fail "a wrong code was not turned away"; }
    launch guest --join "127.0.0.1:$1" --code "654 321"
    wait_log host 10 "network bout begun" || fail "the host did not begin a network bout"
    wait_log guest 10 "network bout begun" || fail "the guest did not begin a network bout"
    wait_log host 15 "lblEngarde caption Fence" || fail "the host's bout did not reach Fence"
    guest_window="$(main_window guest)"
    host_window="$(main_window host)"
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# The felt delay of program $1 (window $2), whose own fencer is $3: $presses presses, advance and
# retreat in turn, each from a fencer at rest. Prints the median from the key to the fencer's
# first new picture, and keeps each press's figure and that less the wait for the fencer's next
# tick, which only the phase of its steps decides.
felt() {
    local seen
    seen=$(wc -l <"$work/$1.log")
    xdotool windowfocus --sync "$2" 2>/dev/null || true
    for i in $(seq 1 "$presses"); do
        if (( i % 2 )); then key "$2" m; else key "$2" comma; fi
        sleep 0.9
    done
    tail -n +$((seen + 1)) "$work/$1.log" | awk -v own="$3 picture" '
        /network send/ { t = $1; w = $NF; k = $4; next }
        t != "" && index($0, own) { printf "%.1f %.1f %s\n", ($1 - t) * 1000, ($1 - t) * 1000 - w, k; t = "" }' \
        >"$work/felt.$1"
    [ "$(wc -l <"$work/felt.$1")" -ge $((presses - 2)) ] ||
        fail "$1's fencer answered only $(wc -l <"$work/felt.$1") of $presses keys"
    # The first press may find the fencer still coming on guard: the rest find it at rest.
    sed -i 1d "$work/felt.$1"
    cut -d' ' -f1 "$work/felt.$1" | median
}

# Of program $1's presses of command $2, the median wait past its fencer's next tick.
past_tick() { awk -v k="$2" '$3 == k { print $2 }' "$work/felt.$1" | median; }

# Both players' felt delays over the link now up; $1 names it.
measure_felt() {
    wait_log host 15 "lblEngarde caption Fence" || fail "the host's bout did not reach Fence"
    host_felt="$(felt host "$host_window" imgFencerB)"
    guest_felt="$(felt guest "$guest_window" imgFencerA)"
    echo "  felt delay over $1, median of $((presses - 1)): host ${host_felt} ms, guest ${guest_felt} ms"
    for side in host guest; do
        echo "    $side, each key (and past the fencer's next tick): $(awk '{ printf "%s %s(%s) ", $3, $1, $2 }' "$work/felt.$side")"
    done
    # Past the fencer's next tick, each command waits as long as the game's rules make it, the
    # same for both players; the phase of the ticks, which spreads the figures above, is left out.
    for command in Advance Retreat; do
        eval "host_$command=$(past_tick host $command) guest_$command=$(past_tick guest $command)"
        within "$(past_tick guest $command)" "$(past_tick host $command)" ||
            fail "over $1 the guest's $command waits $(past_tick guest $command) ms past its tick, the host's $(past_tick host $command) ms"
    done
    echo "    past the next tick, median: Advance host ${host_Advance} ms, guest ${guest_Advance} ms; Retreat host ${host_Retreat} ms, guest ${guest_Retreat} ms"
}

# The processor time program $1 has taken so far, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/${pids[$1]}/stat"; }

# Whether two figures are within the budget of each other.
within() { awk -v a="$1" -v b="$2" -v l="$felt_budget" 'BEGIN { d = a - b; exit !(d <= l && -d <= l) }'; }

# Closes a window as a window manager would; the program must end with 0.
close_and_wait() {
    "$here/close_window.py" "$2"
    # A bout under way asks first: the player leaves, Alt+L on the question's own window.
    if wait_log "$1" 2 "msgLeaveNetworkBout asked"; then
        for w in $(xdotool search --all --onlyvisible --pid "${pids[$1]}" --name '^B\.K\.S\. Pistework'); do
            [ "$w" != "$2" ] && { xdotool windowfocus --sync "$w" 2>/dev/null; key "$w" alt+l; }
        done
    fi
    for _ in $(seq 1 50); do kill -0 "${pids[$1]}" 2>/dev/null || break; sleep 0.1; done
    kill -0 "${pids[$1]}" 2>/dev/null && fail "$1 did not end when its window closed"
    wait "${pids[$1]}" || fail "$1 ended with $?"
    unset "pids[$1]"
}

# Both programs gone and their logs cleared.
reset() {
    for name in "${!pids[@]}"; do kill -9 "${pids[$name]}" 2>/dev/null; wait "${pids[$name]}" 2>/dev/null; done
    pids=()
    rm -f "$work"/*.log
}

# A proxy holding each chunk $1 ms, from $proxy_port to the host's $port, once it listens.
start_proxy() {
    port=$(free_port); proxy_port=$(free_port)
    python3 "$here/delay_proxy.py" "$proxy_port" "$port" "$1" "$work/stats" >"$work/proxy.out" &
    pids[proxy]=$!
    for _ in $(seq 1 100); do grep -q listening "$work/proxy.out" && return 0; sleep 0.1; done
    fail "the proxy did not listen"
}

# A window that returned to its own game starts a bout of its own with F2.
plays_on() {
    local seen
    seen=$(wc -l <"$work/$1.log")
    # F2 is a menu shortcut: the window must be the active one.
    xdotool windowfocus --sync "$2" 2>/dev/null || true
    key "$2" F2
    wait_log "$1" 8 "$3" "$seen" || fail "$1 did not start a bout of its own after the network bout"
}

echo "Loopback:"
port=$(free_port)
pair "$port" "$port"
launch watcher --watch "127.0.0.1:$port" --code 654321
wait_log watcher 10 "as watcher" || fail "the watcher did not get in"
measure_felt loopback
direct=("$host_Advance" "$guest_Advance" "$host_Retreat" "$guest_Retreat")
fence_until_hit || fail "the guest's keys made no hit the host scored"
echo "  the guest's keys scored a hit on the host"
wait_log watcher 5 "lblScore0 caption 1" || fail "the watcher did not see the hit"
echo "  the watcher saw it too"
xdotool windowfocus --sync "$host_window" 2>/dev/null; key "$host_window" F3; seen=$(wc -l <"$work/host.log")
wait_log guest 5 "lblPaused shown" || fail "the host's F3 did not pause the network bout"
# A player answers what the screen showed a moment ago: F3 pressed within 150 ms of the pause
# showing would still mean pause.
sleep 0.3
xdotool windowfocus --sync "$guest_window" 2>/dev/null; key "$guest_window" F3
wait_log host 5 "lblPaused hidden" "$seen" || fail "the guest's F3 did not resume the network bout"
close_and_wait guest "$guest_window"
wait_log host 5 "lblEngarde caption Your opponent left the network bout" ||
    fail "the host did not say the guest left"
echo "  the guest closed its window; the host said so"
close_and_wait host "$host_window"
reset

echo "Through a proxy holding every chunk ${delay} ms each way:"
start_proxy "$delay"
pair "$proxy_port" "$port"
since=$(date +%s.%N) host_ticks=$(cpu_ticks host) guest_ticks=$(cpu_ticks guest)
measure_felt "${delay} ms each way"
far=("$host_Advance" "$guest_Advance" "$host_Retreat" "$guest_Retreat")
for i in 0 1 2 3; do
    within "${far[$i]}" "${direct[$i]}" ||
        fail "a fencer waits ${far[$i]} ms past its tick over ${delay} ms, ${direct[$i]} ms over the loopback"
done
fence_until_hit || fail "the guest's keys made no hit through the proxy"
# Logging every tick and picture, as here, costs a share of it.
awk -v s="$since" -v n="$(date +%s.%N)" -v t="$(getconf CLK_TCK)" -v h="$host_ticks" \
    -v H="$(cpu_ticks host)" -v g="$guest_ticks" -v G="$(cpu_ticks guest)" 'BEGIN {
    printf "  processor while fencing, logging every change: host %.2f %%, guest %.2f %% of a core over %.0f s\n",
           (H - h) / t / (n - s) * 100, (G - g) / t / (n - s) * 100, n - s }'
kill -TERM "${pids[proxy]}"; wait "${pids[proxy]}"; unset "pids[proxy]"
late=$(awk '$1 == "late_ms" { print $2 }' "$work/stats")
awk '$1 == "seconds" { s = $2 } $1 ~ /_to_/ { b[$1] = $2 }
     END { printf "  bandwidth: host to guest %.0f bytes/s, guest to host %.0f bytes/s over %.1f s\n",
           b["host_to_guest"] / s, b["guest_to_host"] / s, s }' "$work/stats"
echo "  (the proxy itself sent its latest chunk ${late} ms late)"
# With the proxy gone the bout has ended: how often a late command fenced the past again, and
# how often that changed what was on show.
for side in host guest; do
    wait_log "$side" 8 "network rollbacks" || fail "the $side did not end the bout"
    echo "  $side: $(grep -o "network rollbacks.*" "$work/$side.log" | tail -n 1 | sed 's/network //')"
done
reset

# Ways a link breaks, each at a random moment of the bout.
echo "Broken at random points:"
for way in cut freeze kill-guest close-host; do
    start_proxy 0
    pair "$proxy_port" "$port"
    at=$(awk -v r="$RANDOM" 'BEGIN { printf "%.1f", (r % 80) / 10 }')
    for _ in $(seq 1 $(awk -v a="$at" 'BEGIN { print int(a / 0.3) }')); do key "$guest_window" m; sleep 0.3; done
    case "$way" in
    cut) kill -USR1 "${pids[proxy]}" ;;
    freeze) kill -USR2 "${pids[proxy]}" ;;
    kill-guest) kill -9 "${pids[guest]}" ;;
    close-host) close_and_wait host "$host_window" ;;
    esac
    if [ "$way" != close-host ]; then
        wait_log host 8 "network bout ended" || fail "$way at ${at} s: the host did not end the bout"
        plays_on host "$host_window" "lblEngarde caption Engarde"
    fi
    if [ "$way" != kill-guest ]; then
        wait_log guest 8 "network bout ended" || fail "$way at ${at} s: the guest did not end the bout"
        # The guest's own bout starts with its salute.
        plays_on guest "$guest_window" "imgFencerA picture SALUTE1A"
    fi
    echo "  $way at ${at} s: $(grep -h "network bout ended" "$work"/*.log |
        sed 's/.*network bout ended: [0-9]* //; s/ bytes sent.*//' | paste -sd'/' -)"
    reset
done
echo "PASS"
