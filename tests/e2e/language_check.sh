#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside an X server: on a French desktop the referee's first call is the French that the
# translation file gives. Arguments: the program, the French .ts file.
set -uo pipefail
binary="$1"
log="$(mktemp)"
source "$(dirname "$0")/common.sh"
trap 'rm -f "$log"; [ -n "$pid" ] && kill "$pid" 2>/dev/null' EXIT
export QT_LOGGING_RULES='pistework.caption=true' LANGUAGE=fr
engarde=$(python3 -c 'import sys, xml.etree.ElementTree as E
print(*[m.findtext("translation") for c in E.parse(sys.argv[1]).iter("context")
        if c.findtext("name") == "Referee" for m in c.iter("message")
        if m.findtext("source") == "Engarde"])' "$2")
[ -n "$engarde" ] && [ "$engarde" != Engarde ] || { echo "FAIL: no French for Engarde"; exit 1; }
start
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --window "$window" F2
for _ in $(seq 1 100); do
    grep -qxF "pistework.caption: lblEngarde caption $engarde" "$log" && break
    sleep 0.1
done
grep -qxF "pistework.caption: lblEngarde caption $engarde" "$log" ||
    { echo "FAIL: no call \"$engarde\" within 10 s of F2"; cat "$log"; exit 1; }
echo "called: $engarde"
stop
