#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside the X server that settings_test.sh started: a start with a settings file, a
# level and a control mode chosen through the menus, a close through the window system, and
# a second start that shows the same marks. Then a settings folder that cannot be written, and
# a folder where the lock belongs: each time the player is told within 3 s, the old file stays,
# and the game still ends with 0.
set -uo pipefail
binary="$1"
here="$(cd "$(dirname "$0")" && pwd)"
log="$(mktemp)"
config="$(mktemp -d)"
source "$here/common.sh"
trap 'rm -rf "$log" "$config"; [ -n "$pid" ] && kill "$pid" 2>/dev/null' EXIT
export QT_LOGGING_RULES='pistework.menu=true'
export XDG_CONFIG_HOME="$config"
file="$config/Brackenmoor Fencing Association/Pistework.conf"
mkdir -p "$(dirname "$file")"
printf '[General]\nMaxHits=10\nRange=11\nSpeed=100\nControl=1\nTimed=1\n' >"$file"

# The last mark the log shows for an item.
mark() { grep -E "^pistework.menu: $1 (un)?checked$" "$log" | tail -n 1 | awk '{print $3}'; }
expect_mark() {
    local got
    got="$(mark "$1")"
    [ "$got" = "$2" ] || { echo "FAIL: $1 is '$got', expected $2 ($3)"; cat "$log"; exit 1; }
}
keys() {
    for k in "$@"; do xdotool key "$k"; sleep 0.3; done
}

start
expect_mark Firstto10 checked "from the file"
expect_mark Intermediate checked "from the file"
expect_mark mnuMouse checked "from the file"
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 0.3
keys alt+s o c      # Settings, Opponent, Champion
keys alt+s c k      # Settings, Control, Keyboard
expect_mark Champion checked "chosen in the menu"
expect_mark mnuKeyboard checked "chosen in the menu"
stop

start
expect_mark Firstto10 checked "kept"
expect_mark Champion checked "kept"
expect_mark Intermediate unchecked "kept"
expect_mark mnuKeyboard checked "kept"
expect_mark mnuMouse unchecked "kept"
stop
echo "marks kept between runs"

# A save that cannot be done: after a change made with `$1`, the close warns within 3 s, the
# warning is answered, and the program still ends with 0.
warned_close() {
    start
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    sleep 0.3
    keys $1
    local closed=$EPOCHREALTIME warning=""
    "$here/close_window.py" "$window"
    for _ in $(seq 1 30); do
        warning=$(xdotool search --name '^B\.K\.S\. Pistework$' 2>/dev/null | grep -v "^$window$" | head -n 1 || true)
        [ -n "$warning" ] && break
        sleep 0.1
    done
    [ -n "$warning" ] || { echo "FAIL: no warning within 3 s when $2"; cat "$log"; exit 1; }
    echo "$2: warned after $(awk "BEGIN {printf \"%.1f\", $EPOCHREALTIME - $closed}") s"
    xdotool windowfocus --sync "$warning" 2>/dev/null || true
    xdotool key Return
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then echo "FAIL: the program did not end after the warning"; exit 1; fi
    local code=0
    wait "$pid" || code=$?
    pid=""
    [ "$code" -eq 0 ] || { echo "FAIL: exit code $code after a failed save"; exit 1; }
}

# A folder that cannot be written: the old file stays as it was.
before="$(cat "$file")"
folder="$config/Brackenmoor Fencing Association"
saved="$(mktemp -d)"
cp "$file" "$saved/"
rm -rf "$folder"
printf 'not a folder' >"$folder"
warned_close "alt+s o c" "the folder is a file"   # Champion, against the defaults
rm -f "$folder"
mv "$saved" "$folder"
[ "$(cat "$file")" = "$before" ] || { echo "FAIL: the old settings changed"; exit 1; }

# A folder where the save's lock belongs cannot hold the close up.
mkdir "$file.lock"
warned_close "alt+s c m" "the lock is a folder"   # Control, Mouse
[ "$(cat "$file")" = "$before" ] || { echo "FAIL: the old settings changed"; exit 1; }
echo "PASS"
