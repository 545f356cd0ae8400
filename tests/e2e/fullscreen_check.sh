#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# F11 scales the board by the largest whole factor, centred; its buttons still play; Esc leaves.
set -uo pipefail
binary="$1" log="$(mktemp)" work="$(mktemp -d)"
source "$(dirname "$0")/common.sh"
trap 'rm -rf "$log" "$work"; [ -n "$pid" ] && kill "$pid" 2>/dev/null' EXIT
export QT_LOGGING_RULES='pistework.*=true'
see() { for _ in $(seq 1 100); do grep -q "$1" "$log" && return 0; sleep 0.1; done; echo "FAIL: no $1"; exit 1; }
piste() { convert "$1" -fill black +opaque '#008000' -fill white -opaque '#008000' -trim -format '%w %h %X %Y' info: | tr -d '+'; } # w h x y
start
xdotool windowfocus --sync "$window" 2>/dev/null; sleep 1
import -window "$window" "$work/w.png"
read -r w1 h1 x1 y1 W H < <(echo "$(piste "$work/w.png") $(identify -format '%w %h' "$work/w.png")")
read -r sw sh < <(xdpyinfo | awk '/dimensions:/ {sub("x", " ", $2); print $2}')
menu=$(convert "$work/w.png" -crop "1x$H+4+0" txt:- | awk -F'[,:]' '/#408040/ {print $2; exit}')
n=$(( sw / W < (sh - menu) / (H - menu) ? sw / W : (sh - menu) / (H - menu) ))
xdotool key --window "$window" F11 && see "full screen on" && sleep 1
import -window root "${FULLSCREEN_SHOT:-$work/f.png}"
read -r w3 h3 x3 y3 < <(piste "${FULLSCREEN_SHOT:-$work/f.png}")
left=$(( x3 - x1 * n )) top=$(( y3 - (y1 - menu) * n ))
echo "factor $n: piste ${w1}x$h1 became ${w3}x$h3, board at $left,$top on ${sw}x$sh"
[ "$w3 $h3 $left $top" = "$((w1 * n)) $((h1 * n)) $(( (sw - W * n) / 2 )) $(( menu + (sh - menu - (H - menu) * n) / 2 ))" ] ||
    { echo "FAIL: not $n times the size, centred"; exit 1; }
xdotool key --window "$window" F2 && see "lblEngarde caption Fence"
read -r bx by < <(sed -n 's/.*"cmdAdvance",.*"Advance")*, \([0-9]*\), \([0-9]*\),.*/\1 \2/p' "$2")
xdotool mousemove $((left + (bx + 20) * n)) $((top + (by + 10) * n)) click 1 && see "imgFencerB Left"
xdotool key --window "$window" Escape && see "full screen off"
stop && echo "PASS"
