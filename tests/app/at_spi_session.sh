#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command the way a screen reader's desktop would host it: an X server of its own, a
# private D-Bus session and an AT-SPI accessibility bus on it. Qt only passes accessibility
# events on while such a bridge is up; the offscreen platform has none.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher="$candidate" && break
done
if [ -z "$launcher" ]; then
    echo "FAIL: at-spi-bus-launcher not found (package at-spi2-core)"; exit 1
fi
# The bus's socket goes in a runtime folder of this run's own, removed afterwards.
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# shellcheck disable=SC2016 # expanded by the inner shell, inside the session
# Qt watches for the bus to appear, so the command need not wait for the launcher.
"$here/../e2e/xserver.sh" dbus-run-session -- bash -c '
    "$0" --launch-immediately & bus=$!
    trap "kill $bus 2>/dev/null; wait $bus 2>/dev/null" EXIT
    "$@"' "$launcher" "$@"
