#!/usr/bin/env bash
# Starts the game in a real X server twice: once pressing F2 for a bout, once left alone
# until a demonstration bout begins; both are read from the game's diagnostic log.
set -euo pipefail
binary="$1"
here="$(cd "$(dirname "$0")" && pwd)"
exec xvfb-run -a -s "-screen 0 1024x768x24" "$here/bout_check.sh" "$binary"
