#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game in an X server of its own, presses F2 and photographs the window some
# seconds into the bout: the README's picture. Usage: tools/screenshot.sh BINARY OUTPUT.png
set -euo pipefail
binary="$(realpath "$1")"
output="$(realpath -m "$2")"
here="$(cd "$(dirname "$0")" && pwd)"
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config"
"$here/../tests/e2e/xserver.sh" bash -c '
    binary="$1"; output="$2"; log="$(mktemp)"
    source "$3/../tests/e2e/common.sh"
    start
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --window "$window" F2
    sleep 11
    import -window "$window" "$output"
    stop >/dev/null
    rm -f "$log"' _ "$binary" "$output" "$here"
echo "wrote $output"
