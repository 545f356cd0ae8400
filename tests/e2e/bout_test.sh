#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game in a real X server twice: once pressing F2 for a bout, once left alone
# until a demonstration bout begins; both are read from the game's diagnostic log.
set -euo pipefail
binary="$1"
here="$(cd "$(dirname "$0")" && pwd)"
exec "$here/xserver.sh" "$here/bout_check.sh" "$binary"
