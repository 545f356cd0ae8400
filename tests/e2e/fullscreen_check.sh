#!/usr/bin/env bash
# Runs inside the X server that fullscreen_test.sh started.
set -uo pipefail
binary="$1"
layout="$2"
log="$(mktemp)"
work="$(mktemp -d)"
source "$(dirname "$0")/common.sh"
trap 'rm -rf "$log" "$work"; [ -n "$pid" ] && kill "$pid" 2>/dev/null' EXIT
export QT_LOGGING_RULES='pistework.*=true'
fail() { echo "FAIL: $*"; failed=1; }
failed=0
waitlog() { for _ in $(seq 1 100); do grep -q "$1" "$log" && return 0; sleep 0.1; done; return 1; }
# The box around the piste's own green (#008000) in a picture: "width height left top".
piste() {
    convert "$1" -fill black +opaque '#008000' -fill white -opaque '#008000' -trim \
        -format '%w %h %X %Y\n' info: | tr -d '+'
}

start
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 1
import -window "$window" "$work/window.png"
read -r w1 h1 x1 y1 < <(piste "$work/window.png")
read -r winw winh < <(identify -format '%w %h\n' "$work/window.png")
read -r screenw screenh < <(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1], d[2]}')
menu=$(convert "$work/window.png" -crop "1x${winh}+4+0" +repage txt:- |
    awk 'NR > 1 && $3 ~ /^#408040/ {sub(/^0,/, "", $1); sub(/:$/, "", $1); print $1; exit}')
clientw=$winw
clienth=$((winh - menu))
want=$(( screenw / clientw < (screenh - menu) / clienth ? screenw / clientw : (screenh - menu) / clienth ))
echo "window $winw x $winh, client from y = $menu, screen $screenw x $screenh: factor $want"

xdotool key --window "$window" F11
waitlog "full screen on" || fail "F11 did not turn full screen on"
sleep 1
import -window root "$work/full.png"
read -r w3 h3 x3 y3 < <(piste "$work/full.png")
echo "piste ${w1}x${h1}+${x1}+${y1} in the window, ${w3}x${h3}+${x3}+${y3} in full screen"
[ "$w3" = $((w1 * want)) ] && [ "$h3" = $((h1 * want)) ] || fail "the piste is not $want times its size"
# Centred across the screen, and in the green below the menu bar.
left=$(( x3 - x1 * want ))
top=$(( y3 - (y1 - menu) * want ))
[ "$left" = $(( (screenw - clientw * want) / 2 )) ] || fail "the board starts at x = $left"
[ "$top" = $(( menu + (screenh - menu - clienth * want) / 2 )) ] || fail "the board starts at y = $top"
echo "board at $left, $top"

xdotool key --window "$window" F2
waitlog "lblEngarde caption Fence" || fail "no Fence within 10 s of F2 in full screen"
# The middle of the Advance button, from the layout.
read -r bx by < <(grep -o 'Command("cmdAdvance", "Advance", [0-9]*, [0-9]*' "$layout" |
    awk -F', ' '{print $3, $4}')
xdotool mousemove $((left + (bx + 20) * want)) $((top + (by + 10) * want)) click 1
waitlog "imgFencerB Left" || fail "a click on Advance moved nobody"
cp "$work/full.png" "${FULLSCREEN_SHOT:-/dev/null}" 2>/dev/null

xdotool key --window "$window" Escape
waitlog "full screen off" || fail "Esc did not leave full screen"
sleep 0.5
[ "$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')" = "${winw}x$((winh))" ] ||
    fail "the window is not back to its own size"
stop >/dev/null
[ "$failed" = 0 ] && echo "PASS"
exit "$failed"
