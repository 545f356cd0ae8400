#!/usr/bin/env bash
# Starts the game on a French desktop in a real X server and reads its first call from the log.
# Usage: language_test.sh BINARY FRENCH_TS
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
exec "$here/xserver.sh" "$here/language_check.sh" "$@"
