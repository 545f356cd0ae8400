#!/usr/bin/env bash
# Installs the build into a throwaway prefix and checks that every file is in place and that
# the installed program answers.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
expected=(
    bin/pistework
    lib/pistework/libpistework-sound.so
    share/applications/example.brackenmoor.Pistework.desktop
    share/metainfo/example.brackenmoor.Pistework.metainfo.xml
)
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/pistework.png")
done
for file in "${expected[@]}"; do
    [ -f "$prefix/$file" ] || { echo "FAIL: $file not installed"; exit 1; }
done
[ -x "$prefix/bin/pistework" ] || { echo "FAIL: the program is not executable"; exit 1; }
version="$(DISPLAY= "$prefix/bin/pistework" --version)"
[[ "$version" == "pistework "* ]] || { echo "FAIL: --version said '$version'"; exit 1; }
icon="$(identify -format '%wx%h' "$prefix/share/icons/hicolor/48x48/apps/pistework.png")"
[ "$icon" = "48x48" ] || { echo "FAIL: the 48 px icon is $icon"; exit 1; }
echo "PASS: ${#expected[@]} files in place; $version"
