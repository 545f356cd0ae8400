#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window on scaled screens, in a real X server: twice the size with pixel-exact sprites
# at QT_SCALE_FACTOR=2, and a 144 dpi screen rounded to a whole factor of two.
# Usage: scale_test.sh BINARY SPRITE_FOLDER
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
exec "$here/xserver.sh" "$here/scale_check.sh" "$@"
