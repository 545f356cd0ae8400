# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the checks that fence network bouts between real programs: start one with settings
# and a log of its own, wait for its log to say something, fence a hit with the guest's keys.
# Expects $binary, $work and `declare -A pids`; fence_until_hit expects $guest_window.

# A program of its own settings (keyboard control, first to 5) and log; $1 names it. With
# $netns set, it runs in that network namespace (ip execs it, so its pid is the program's).
launch() {
    local name="$1"; shift
    local folder="$work/$name/Brackenmoor Fencing Association"
    mkdir -p "$folder"
    # No router is asked to open a port unless the check sets $ask_router to 1.
    printf '[General]\nMaxHits=5\nControl=0\nTimed=1\nAskRouter=%s\n' "${ask_router:-0}" \
        >"$folder/Pistework.conf"
    # The bouts it keeps stay with the check, not in the user's own folder.
    XDG_CONFIG_HOME="$work/$name" XDG_DATA_HOME="$work/data" ${netns:+ip netns exec "$netns"} "$binary" "$@" >"$work/$name.log" 2>&1 &
    pids[$name]=$!
}

# Waits up to $2 seconds for a line holding $3 in the log of $1, after its first $4 lines.
wait_log() {
    for _ in $(seq 1 $(($2 * 10))); do
        tail -n +$((${4:-0} + 1)) "$work/$1.log" | grep -qF -- "$3" && return 0
        sleep 0.1
    done
    return 1
}

main_window() {
    xdotool search --all --pid "${pids[$1]}" --name '^B\.K\.S\. Pistework' 2>/dev/null | head -n 1
}

key() { xdotool key --window "$1" "$2"; }

# The guest's own keys (m advance, k extend, o lunge): closer, then extend and lunge, until
# the host scores the left fencer's hit.
fence_until_hit() {
    local x_left x_right
    for _ in $(seq 1 150); do
        grep -q "lblScore0 caption 1" "$work/host.log" && return 0
        x_left=$(grep -o "imgFencerA Left [0-9-]*" "$work/guest.log" | tail -n 1 | cut -d' ' -f3)
        x_right=$(grep -o "imgFencerB Left [0-9-]*" "$work/guest.log" | tail -n 1 | cut -d' ' -f3)
        if (( ${x_right:-244} - ${x_left:-106} > 50 )); then
            key "$guest_window" m; sleep 0.3
        else
            key "$guest_window" k; sleep 0.3; key "$guest_window" o; sleep 1.5
        fi
    done
    return 1
}
