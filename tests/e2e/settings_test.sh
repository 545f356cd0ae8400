#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game in a real X server, changes options through the menus, closes it through the
# window system and starts it again to find them kept.
set -euo pipefail
binary="$1"
here="$(cd "$(dirname "$0")" && pwd)"
exec "$here/xserver.sh" "$here/settings_check.sh" "$binary"
