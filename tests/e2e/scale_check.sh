#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside the X server that scale_test.sh started.
set -uo pipefail
binary="$1"
sprites="$2"
log="$(mktemp)"
work="$(mktemp -d)"
source "$(dirname "$0")/common.sh"
trap 'rm -rf "$log" "$work"; [ -n "$pid" ] && kill "$pid" 2>/dev/null' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Every colour a picture of the piste may show: the sprites' own, the piste's green and
# yellow, and the window's green behind them.
for f in "$sprites"/*.png; do
    case "$(basename "$f")" in icon-*) continue ;; esac
    convert "$f" -alpha off -unique-colors txt:- | awk 'NR > 1 {print $3}'
done >"$work/palette"
printf '#008000\n#FFFF00\n#408040\n' >>"$work/palette"
sort -u "$work/palette" -o "$work/palette"

# Photographs the window a few seconds into a bout; sets $width, $height and $menu, the
# height of the menu bar above the green client area.
photograph() {
    start
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --window "$window" F2
    sleep 4
    import -window "$window" "$work/shot.png"
    stop >/dev/null
    read -r width height < <(identify -format '%w %h\n' "$work/shot.png")
    menu=$(convert "$work/shot.png" -crop "1x${height}+4+0" +repage txt:- |
        awk 'NR > 1 && $3 ~ /^#408040/ {sub(/^0,/, "", $1); sub(/:$/, "", $1); print $1; exit}')
    echo "window ${width} x ${height}, client area from y = ${menu:-none}"
}

export QT_SCALE_FACTOR=2
photograph
[ "$width" = 996 ] || fail "at scale 2 the window is $width wide, not 996"
[ -n "$menu" ] && [ $((height - menu)) = 540 ] || fail "at scale 2 the client area is not 540 high"
# The band from the lamps to the piste's edge, below the referee's caption and above the
# scores: only pictures are drawn there, so any other colour is a blend of two pixels.
if [ -n "$menu" ]; then
    convert "$work/shot.png" -crop "996x212+0+$((menu + 168))" +repage -unique-colors txt:- |
        awk 'NR > 1 {print substr($3, 1, 7)}' | sort -u >"$work/band"
    blended=$(comm -23 "$work/band" "$work/palette" | wc -l)
    echo "$(wc -l <"$work/band") colours on the piste, $blended of them not in the pictures"
    [ "$blended" = 0 ] || fail "the pictures are blended at scale 2: $(comm -23 "$work/band" "$work/palette" | head -5 | tr '\n' ' ')"
fi
unset QT_SCALE_FACTOR

# A 150 % screen shows the window at a whole factor of two.
echo "Xft.dpi: 144" | xrdb -merge
photograph
[ "$width" = 996 ] || fail "on a 144 dpi screen the window is $width wide, not 996"

[ "$failed" = 0 ] && echo "PASS"
exit "$failed"
