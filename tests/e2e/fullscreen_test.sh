#!/usr/bin/env bash
# Full screen in a real X server of 1920 x 1080 (XVFB_SCREEN): the board scaled by the
# largest whole factor, centred, and a bout still played from its buttons.
# Usage: fullscreen_test.sh BINARY LAYOUT_HEADER
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
exec "$here/xserver.sh" "$here/fullscreen_check.sh" "$@"
