#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game in a real X server, waits for its 498 x 270 window, closes it through the
# window system and expects exit code 0.
set -euo pipefail
binary="$1"
here="$(cd "$(dirname "$0")" && pwd)"
exec "$here/xserver.sh" "$here/window_check.sh" "$binary"
