#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# desktop-file-validate and appstreamcli print problems and fail on errors; appstreamcli
# lists its pedantic notes too.
set -euo pipefail
dir="$1"
desktop-file-validate "$dir/example.brackenmoor.Pistework.desktop"
appstreamcli validate --no-net --pedantic "$dir/example.brackenmoor.Pistework.metainfo.xml"
# The replay type reads as shared-mime-info reads it: the name of a .pistework file and the
# magic bytes at its start both say it.
data="$(mktemp -d)"
trap 'rm -rf "$data"' EXIT
mime="$data/mime"
mkdir -p "$mime/packages"
cp "$dir/example.brackenmoor.Pistework.xml" "$mime/packages/"
XDG_DATA_HOME="$data" update-mime-database "$mime"
grep -qx 'application/x-pistework-replay:\*\.pistework' <(cut -d: -f2- "$mime/globs2")
grep -q 'application/x-pistework-replay' "$mime/magic"
