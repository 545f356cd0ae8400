#!/usr/bin/env bash
# Runs inside the X server that language_test.sh started: the window of a French desktop
# calls the bout in the French of the game's own translation file.
set -uo pipefail
binary="$1"
ts="$2"
here="$(cd "$(dirname "$0")" && pwd)"
log="$(mktemp)"
source "$here/common.sh"
trap 'rm -f "$log"; [ -n "$pid" ] && kill "$pid" 2>/dev/null' EXIT
export QT_LOGGING_RULES='pistework.caption=true'
export LANGUAGE=fr

# The referee's first call as the translation file words it.
engarde=$(python3 - "$ts" <<'PY'
import sys, xml.etree.ElementTree as E
for context in E.parse(sys.argv[1]).getroot().iter('context'):
    if context.findtext('name') == 'Referee':
        for message in context.iter('message'):
            if message.findtext('source') == 'Engarde':
                print(message.findtext('translation'))
PY
)
if [ -z "$engarde" ] || [ "$engarde" = "Engarde" ]; then
    echo "FAIL: $ts has no French for the call Engarde"; exit 1
fi

start
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --window "$window" F2
for _ in $(seq 1 100); do
    grep -qxF "pistework.caption: lblEngarde caption $engarde" "$log" && break
    sleep 0.1
done
if ! grep -qxF "pistework.caption: lblEngarde caption $engarde" "$log"; then
    echo "FAIL: no call \"$engarde\" within 10 s of F2"; cat "$log"; exit 1
fi
echo "called: $engarde"
stop
