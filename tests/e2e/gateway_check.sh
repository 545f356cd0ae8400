#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Internet play without port forwarding, against a real home router. Three network namespaces
# stand for a home network, its router (miniupnpd over nftables, masquerading the home) and the
# internet, which has no route into the home. The host, at home, asks the router for its port;
# its dialog tells the router's outer address, and a guest on the internet joins by it alone and
# fences a hit the host scores. SIGTERM ends the host, which gives the port back. Then, with the
# router's daemon stopped, the dialog says so within 10 s and a guest at home still joins.
# A router that speaks only NAT-PMP maps it as well, and a host killed outright gives it back.
# Runs inside the X server that xserver.sh started, whose path socket the namespaces share.
# Needs root, ip, nft, miniupnpd and upnpc; without them it skips (77).
# Usage: gateway_check.sh PISTEWORK
set -uo pipefail
binary="$1"
here="$(cd "$(dirname "$0")" && pwd)"

skip() { echo "SKIP: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "network namespaces need root"
for tool in ip nft /usr/sbin/miniupnpd upnpc; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done

work="$(mktemp -d)"
home="pistework-home-$$" router="pistework-router-$$" internet="pistework-internet-$$"
lan_host=192.168.50.2 lan_router=192.168.50.1 outside=11.0.0.1 guest_address=11.0.0.2
port=40123
declare -A pids
cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; wait "$p" 2>/dev/null; done
    for ns in "$home" "$router" "$internet"; do
        ip netns pids "$ns" 2>/dev/null | xargs -r kill -9 2>/dev/null
        ip netns del "$ns" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
# Those of a run killed outright, whose trap never ran.
for ns in $(ip netns list 2>/dev/null | grep -oE '^pistework-(home|router|internet)-[0-9]+'); do
    kill -0 "${ns##*-}" 2>/dev/null && continue
    ip netns pids "$ns" | xargs -r kill -9 2>/dev/null
    ip netns del "$ns"
done
source "$here/network_common.sh"
ask_router=1
export QT_LOGGING_RULES='pistework.*=true'
# Seconds since the program started, to the millisecond, before every line.
export QT_MESSAGE_PATTERN='%{time process} %{message}'

# What the programs said of the router and the link, and their latest words but for pictures,
# places and timers; the router's log and its rules.
fail() {
    echo "FAIL: $*"
    for f in "$work"/*.log; do
        echo "== $f"
        grep -E 'gateway|lblInternet|network (hosting|bout)|msg' "$f"
        echo "-- latest"
        grep -vE ' (picture|Left|Top) |Timer|network send' "$f" | tail -n 12
    done
    echo "== the router's rules"; ip netns exec "$router" nft list ruleset 2>&1
    exit 1
}

# Milliseconds from the first line holding $2 to the first holding $3 after it, in log $1.
between() {
    awk -v a="$2" -v b="$3" 't == "" && index($0, a) { t = $1; next }
        t != "" && index($0, b) { printf "%.0f\n", ($1 - t) * 1000; exit }' "$work/$1.log"
}

# Waits up to $2 seconds for program $1 to end after SIGTERM; it must end with 0.
terminate() {
    kill -TERM "${pids[$1]}"
    for _ in $(seq 1 $(($2 * 10))); do kill -0 "${pids[$1]}" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "${pids[$1]}" 2>/dev/null; then
        grep -q "msgLeaveNetworkBout asked" "$work/$1.log" &&
            fail "$1 did not end within $2 s of SIGTERM: it asked whether to leave the bout"
        fail "$1 did not end within $2 s of SIGTERM"
    fi
    local code=0
    wait "${pids[$1]}" || code=$?
    unset "pids[$1]"
    [ "$code" -eq 0 ] || fail "$1 ended with $code after SIGTERM"
}

# The mappings the router lists, for the UPnP client at home.
mappings() { timeout 10 ip netns exec "$home" upnpc -l 2>&1 | grep -E -- "->$lan_host:$port( |$)"; }

# The home, the router between the home and the internet, and a machine on the internet.
for ns in "$home" "$router" "$internet"; do
    ip netns add "$ns" 2>"$work/netns.err" || skip "no network namespace: $(head -n 1 "$work/netns.err")"
    ip -n "$ns" link set lo up
done
trap 'fail "could not set up the namespaces: $BASH_COMMAND"' ERR
ip link add lan netns "$home" type veth peer name lan netns "$router"
ip link add wan netns "$router" type veth peer name wan netns "$internet"
ip -n "$home" addr add "$lan_host/24" dev lan
ip -n "$router" addr add "$lan_router/24" dev lan
ip -n "$router" addr add "$outside/24" dev wan
ip -n "$internet" addr add "$guest_address/24" dev wan
ip -n "$home" link set lan up
ip -n "$router" link set lan up
ip -n "$router" link set wan up
ip -n "$internet" link set wan up
ip -n "$home" route add default via "$lan_router"
ip netns exec "$router" sysctl -qw net.ipv4.ip_forward=1
# What a home router holds: the home goes out masqueraded, nothing comes in but answers and
# what miniupnpd lets in, in the chains named in its configuration below.
ip netns exec "$router" nft -f - <<'EOF'
table inet filter {
    chain forward {
        type filter hook forward priority 0; policy drop;
        ct state established,related accept
        iifname "lan" oifname "wan" accept
        jump miniupnpd
    }
    chain miniupnpd {
    }
}
table inet nat {
    chain prerouting {
        type nat hook prerouting priority -100; policy accept;
        jump prerouting_miniupnpd
    }
    chain postrouting {
        type nat hook postrouting priority 100; policy accept;
        jump postrouting_miniupnpd
        oifname "wan" masquerade
    }
    chain prerouting_miniupnpd {
    }
    chain postrouting_miniupnpd {
    }
}
EOF
trap - ERR
# The router's daemon, UPnP on or off ($1: yes or no), NAT-PMP always; its log is $2.
# The outer address must not be reserved or private: miniupnpd refuses those.
start_router() {
    cat >"$work/miniupnpd.conf" <<EOF
ext_ifname=wan
listening_ip=lan
port=0
enable_upnp=$1
enable_natpmp=yes
secure_mode=yes
system_uptime=yes
uuid=6f0b7c52-3d1e-4a8f-9b26-e4c1d0a57f38
upnp_table_name=filter
upnp_nat_table_name=nat
upnp_forward_chain=miniupnpd
upnp_nat_chain=prerouting_miniupnpd
upnp_nat_postrouting_chain=postrouting_miniupnpd
allow 1024-65535 192.168.50.0/24 1024-65535
deny 0-65535 0.0.0.0/0 0-65535
EOF
    # In the foreground, with a pid file of its own: one left in /var/run stops a second daemon.
    ip netns exec "$router" /usr/sbin/miniupnpd -d -f "$work/miniupnpd.conf" -P "$work/miniupnpd.pid" \
        >"$work/$2.log" 2>&1 &
    pids[miniupnpd]=$!
    wait_log "$2" 10 "Listening for NAT-PMP" || fail "miniupnpd did not start"
}

stop_router() {
    kill -TERM "${pids[miniupnpd]}"
    for _ in $(seq 1 50); do kill -0 "${pids[miniupnpd]}" 2>/dev/null || break; sleep 0.1; done
    kill -0 "${pids[miniupnpd]}" 2>/dev/null && fail "miniupnpd did not stop"
    unset "pids[miniupnpd]"
}
start_router yes miniupnpd

echo "Behind a home router that maps ports (miniupnpd, UPnP and NAT-PMP):"
# Another program at home holds the outer port the host would ask for first.
timeout 10 ip netns exec "$home" upnpc -a "$lan_host" 40999 "$port" TCP >"$work/upnpc.out" 2>&1 ||
    fail "the router would not map a port for another program: $(tail -n 3 "$work/upnpc.out")"
netns="$home" launch host --host "$port" --code 654321
wait_log host 10 "network hosting on port $port" || fail "the host did not listen"
wait_log host 15 "lblInternet Friends join at" || fail "the host's dialog gave no address to join at"
shown=$(grep -m 1 -o "lblInternet Friends join at .*" "$work/host.log")
echo "  the host's dialog: ${shown#lblInternet }"
endpoint=$(sed -n 's/^lblInternet Friends join at \([0-9.]*:[0-9]*\), code 654 321$/\1/p' <<<"$shown")
[ -n "$endpoint" ] || fail "the dialog's words are not an address, a port and the code"
address="${endpoint%:*}" outer_port="${endpoint##*:}"
[ "$address" = "$outside" ] || fail "the dialog shows $address, the router's outer address is $outside"
grep -qF "gateway mapped $endpoint" "$work/host.log" || fail "the dialog shows $endpoint, not what was mapped"
echo "  Host to \"Friends join at\": $(between host "network hosting on port" "lblInternet Friends join at") ms"
ip netns exec "$router" nft list ruleset | grep -qE "dport $outer_port dnat ip to $lan_host:$port( |$)" ||
    fail "the router holds no dnat from its port $outer_port to $lan_host:$port"
[ "$outer_port" != "$port" ] || fail "the dialog shows port $port, which another program holds"
echo "  the router forwards its port $outer_port to $lan_host:$port (its port $port was taken)"

netns="$internet" launch guest --join "$endpoint" --code 654321
wait_log host 10 "network bout begun" || fail "the host did not begin a network bout"
wait_log guest 10 "network bout begun" || fail "the guest did not begin a network bout"
wait_log host 15 "lblEngarde caption Fence" || fail "the host's bout did not reach Fence"
guest_window="$(main_window guest)"
fence_until_hit || fail "the guest's keys made no hit the host scored"
echo "  a guest on the internet joined at $endpoint and its keys scored a hit on the host"

terminate host 10
grep -q "gateway removed" "$work/host.log" || fail "the host ended without giving the port back"
ip netns exec "$router" nft list ruleset | grep -qE "dnat ip to $lan_host:$port( |$)" &&
    fail "the router still forwards a port to $lan_host:$port after the host ended"
left=$(mappings) && fail "the router still lists, after the host ended: $left"
ip netns exec "$router" nft list ruleset | grep -qF "dnat ip to $lan_host:40999" ||
    fail "the host's leaving took the other program's mapping too"
echo "  SIGTERM ended the host; the router forwards nothing to it any more, the other's mapping kept"
timeout 10 ip netns exec "$home" upnpc -d "$port" TCP >/dev/null 2>&1
kill -9 "${pids[guest]}" 2>/dev/null; wait "${pids[guest]}" 2>/dev/null; unset "pids[guest]"

echo "Behind a router that speaks only NAT-PMP:"
stop_router
start_router no natpmpd
netns="$home" launch apple --host "$port" --code 654321
wait_log apple 15 "lblInternet Friends join at $outside:" || fail "the dialog gave no address by NAT-PMP"
grep -qE "gateway mapped $outside:[0-9]+ by NAT-PMP" "$work/apple.log" || fail "the port was not mapped by NAT-PMP"
echo "  the host's dialog: $(grep -m 1 -o "Friends join at .*" "$work/apple.log")"
echo "  Host to \"Friends join at\": $(between apple "network hosting on port" "lblInternet Friends join at") ms"
ip netns exec "$router" nft list ruleset | grep -qF "dnat ip to $lan_host:$port" ||
    fail "the router holds no dnat to $lan_host:$port"
# A game that dies outright leaves its helper, whose input closes, to give the port back.
kill -9 "${pids[apple]}"; wait "${pids[apple]}" 2>/dev/null; unset "pids[apple]"
for _ in $(seq 1 50); do
    ip netns exec "$router" nft list ruleset | grep -qF "dnat ip to $lan_host:" || break
    sleep 0.1
done
ip netns exec "$router" nft list ruleset | grep -qF "dnat ip to $lan_host:" &&
    fail "the router still forwards a port to $lan_host 5 s after the host was killed"
echo "  the host killed outright; its helper gave the port back all the same"

echo "Behind a router that does not answer (miniupnpd stopped):"
stop_router
netns="$home" launch alone --host "$port" --code 654321
wait_log alone 10 "network hosting on port $port" || fail "the host did not listen"
wait_log alone 10 "gateway failed:" || fail "the host did not give up on the router within 10 s"
# The dialog says something while it asks; what it says in answer to the failure counts.
failed_at=$(grep -n -m 1 "gateway failed:" "$work/alone.log" | cut -d: -f1)
wait_log alone 2 "lblInternet " "$failed_at" || fail "the dialog said nothing once the router failed"
at=$(awk -v n="$failed_at" 'NR > n && /lblInternet / { print NR; exit }' "$work/alone.log")
shown=$(sed -n "${at}p" "$work/alone.log" | grep -o "lblInternet .*")
case "$shown" in *"Friends join at"*) fail "with no router answering the dialog says: $shown" ;; esac
took=$(awk -v at="$at" 't == "" && /network hosting on port/ { t = $1 }
    NR == at { printf "%.0f\n", ($1 - t) * 1000 }' "$work/alone.log")
echo "  the host's dialog: ${shown#lblInternet }"
echo "  $(grep -o "gateway failed:.*" "$work/alone.log" | head -n 1)"
echo "  Host to what the dialog says with no gateway: $took ms"
(( took <= 10000 )) || fail "the dialog took $took ms to say no router answered"
netns="$home" launch neighbour --join "$lan_host:$port" --code 654321
wait_log alone 10 "network bout begun" || fail "with no router the host took no guest from home"
wait_log neighbour 10 "network bout begun" || fail "with no router the guest at home did not get in"
echo "  a guest at home still joined at $lan_host:$port"
terminate alone 10
echo "  SIGTERM ended the host"
echo "PASS"
