#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# desktop-file-validate and appstreamcli print problems and fail on errors; appstreamcli
# lists its pedantic notes too.
set -euo pipefail
dir="$1"
desktop-file-validate "$dir/example.brackenmoor.Pistework.desktop"
appstreamcli validate --no-net --pedantic "$dir/example.brackenmoor.Pistework.metainfo.xml"
