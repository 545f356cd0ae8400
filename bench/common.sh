# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts that measure the real program: sets $build (the build folder, from
# the first argument), $here, and $work, a folder removed at the end that also holds the
# game's settings, so no measurement reads or changes the player's own.
set -euo pipefail
build="$(realpath "${1:-build}")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
