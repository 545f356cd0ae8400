#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a throwaway prefix and checks that every file is in place and that
# the installed program answers.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
multiarch="$(dpkg-architecture -qDEB_HOST_MULTIARCH)"
expected=(
    games/pistework
    "lib/$multiarch/pistework/libpistework-sound.so" "lib/$multiarch/pistework/libpistework-pad.so"
    "lib/$multiarch/pistework/libpistework-net.so" "lib/$multiarch/pistework/libpistework-chart.so"
    "lib/$multiarch/pistework/pistework-gateway"
    share/applications/example.brackenmoor.Pistework.desktop
    share/metainfo/example.brackenmoor.Pistework.metainfo.xml
    share/mime/packages/example.brackenmoor.Pistework.xml
    share/icons/hicolor/scalable/apps/pistework.svg
    share/man/man6/pistework.6.gz
    share/doc/pistework/changelog.gz
    share/doc/pistework/copyright
)
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/pistework.png")
done
for file in "${expected[@]}"; do
    [ -f "$prefix/$file" ] || { echo "FAIL: $file not installed"; exit 1; }
done
[ -x "$prefix/games/pistework" ] || { echo "FAIL: the program is not executable"; exit 1; }
version="$(DISPLAY= "$prefix/games/pistework" --version)"
[[ "$version" == "pistework "* ]] || { echo "FAIL: --version said '$version'"; exit 1; }
# The program finds the libraries it loads itself by paths relative to its own folder.
texts="$(strings -a "$prefix/games/pistework")"
for library in sound pad net chart; do
    path="$(grep -m 1 "/libpistework-$library\.so$" <<<"$texts")"
    [ -f "$prefix/games/$path" ] || { echo "FAIL: the program looks for games/$path"; exit 1; }
done
path="$(grep -m 1 "/pistework-gateway$" <<<"$texts")"
[ -x "$prefix/games/$path" ] || { echo "FAIL: the program starts games/$path"; exit 1; }
icon="$(identify -format '%wx%h' "$prefix/share/icons/hicolor/48x48/apps/pistework.png")"
[ "$icon" = "48x48" ] || { echo "FAIL: the 48 px icon is $icon"; exit 1; }
echo "PASS: ${#expected[@]} files in place; $version"
