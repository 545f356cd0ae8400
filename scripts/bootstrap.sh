#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, only those still missing,
# so a second run is quick and installs nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6multimedia6 qt6-qpa-plugins libgl-dev
  libfontconfig-dev libgtest-dev libbenchmark-dev clang-format-14 clang-tidy-14 clang libfuzzer-14-dev
  xvfb xauth x11-utils x11-xserver-utils xdotool imagemagick fonts-dejavu-core python3
  desktop-file-utils shared-mime-info appstream dpkg-dev file at-spi2-core dbus-daemon
  qt6-l10n-tools lintian qt6-wayland weston
  # A home router for the gateway check, which runs its own daemon in a network namespace.
  # miniupnpd-nftables is the daemon alone: the service, its configuration and the questions
  # at install are Debian's `miniupnpd`, left out, so installing starts nothing.
  miniupnpd-nftables nftables iproute2 miniupnpc
  qt6-translations-l10n
  libsdl2-dev qt6-charts-dev libminiupnpc-dev libnatpmp-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q "${missing[@]}"
