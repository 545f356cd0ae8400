#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package into a throwaway folder and has lintian check it: any error or
# warning fails; informational and pedantic notes are printed but pass.
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >/dev/null)
deb="$(ls "$work"/out/pistework_*.deb)"
echo "package: $(basename "$deb")"
# lintian's own exit code counts only errors by default.
report="$(lintian --info --pedantic "$deb" 2>&1 | grep -v '^N:' || true)"
echo "$report"
if grep -q '^[EW]: ' <<<"$report"; then
    echo "FAIL: lintian reports errors or warnings"; exit 1
fi
echo "PASS"
