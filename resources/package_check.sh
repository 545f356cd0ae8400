#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package into a throwaway folder, checks its file list and computed
# dependencies, unpacks it into a throwaway root and starts the program from there under Xvfb.
set -euo pipefail
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >/dev/null)
deb="$(ls "$work"/out/pistework_*.deb)"
echo "package: $(basename "$deb")"

files="$(dpkg-deb -c "$deb" | awk '{print $6}')"
# A game's program in /usr/games; its sound, pad, network and chart libraries and the program that
# asks the router private, in the arch's lib folder.
multiarch="$(dpkg-architecture -qDEB_HOST_MULTIARCH)"
for want in ./usr/games/pistework "./usr/lib/$multiarch/pistework/libpistework-sound.so" \
            "./usr/lib/$multiarch/pistework/libpistework-pad.so" \
            "./usr/lib/$multiarch/pistework/libpistework-net.so" \
            "./usr/lib/$multiarch/pistework/libpistework-chart.so" \
            "./usr/lib/$multiarch/pistework/pistework-gateway" \
            ./usr/share/applications/example.brackenmoor.Pistework.desktop \
            ./usr/share/metainfo/example.brackenmoor.Pistework.metainfo.xml \
            ./usr/share/icons/hicolor/256x256/apps/pistework.png \
            ./usr/share/icons/hicolor/scalable/apps/pistework.svg \
            ./usr/share/man/man6/pistework.6.gz \
            ./usr/share/doc/pistework/changelog.gz ./usr/share/doc/pistework/copyright; do
    grep -qx -- "$want" <<<"$files" || { echo "FAIL: $want not in the package"; echo "$files"; exit 1; }
done
depends="$(dpkg-deb -f "$deb" Depends)"
echo "depends: $depends"
for lib in libqt6widgets6 libqt6multimedia6 libqt6network6 libqt6charts6 libsdl2-2.0-0 libminiupnpc17 \
           libnatpmp1 libc6 qt6-qpa-plugins; do
    grep -q "$lib" <<<"$depends" || { echo "FAIL: no dependency on $lib"; exit 1; }
done

dpkg-deb -x "$deb" "$work/root"
binary="$work/root/usr/games/pistework"
"$binary" --version
export XDG_CONFIG_HOME="$work/config"
"$here/../tests/e2e/xserver.sh" bash -c '
    log="$(mktemp)"; binary="$1"
    source "$2/../tests/e2e/common.sh"
    start
    stop
    rm -f "$log"' _ "$binary" "$here"
echo "PASS"
