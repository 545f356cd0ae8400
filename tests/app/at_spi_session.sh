#!/usr/bin/env bash
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
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# shellcheck disable=SC2016 # expanded by the inner shell, inside the session
exec "$here/../e2e/xserver.sh" dbus-run-session -- bash -c '
    "$0" --launch-immediately & bus=$!
    trap "kill $bus 2>/dev/null; wait $bus 2>/dev/null" EXIT
    for _ in $(seq 1 50); do
        busctl --user status org.a11y.Bus >/dev/null 2>&1 && break
        sleep 0.1
    done
    "$@"' "$launcher" "$@"
