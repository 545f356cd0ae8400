#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up to the first painted frame, and peak memory, of the game against the toolkit floor
# (a bare Qt main window with a menu and a label), launched in turns in one X server.
# Usage: bench/startup.sh [BUILD_DIR] [ROUNDS]   (default build, 20)
source "$(dirname "$0")/common.sh"
rounds="${2:-20}"

"$here/../tests/e2e/xserver.sh" bash -c '
    set -euo pipefail
    build="$1"; rounds="$2"; out="$3"
    launch() { # prints "milliseconds kilobytes" for one start of $1
        local line
        line=$( { PISTEWORK_LAUNCHED_NS="${EPOCHREALTIME/./}000" \
                  /usr/bin/time -f "rss %M" "$1" 2>&1 >&3 | grep "^rss"; } 3>&1 )
        awk "/first frame/ {ms=\$3} /^rss/ {kb=\$2} END {print ms, kb}" <<<"$line"
    }
    # One start of each first, unmeasured, so both find the libraries in the page cache.
    launch "$build/bin/pistework-floor" >/dev/null
    launch "$build/bin/pistework" >/dev/null
    for _ in $(seq 1 "$rounds"); do
        echo "floor $(launch "$build/bin/pistework-floor")"
        echo "game $(launch "$build/bin/pistework")"
    done >"$out"
' _ "$build" "$rounds" "$work/runs"

awk '
    function median(a, n,   i, j, t) {
        for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j-1] > a[j]; j--) { t = a[j]; a[j] = a[j-1]; a[j-1] = t }
        return n % 2 ? a[(n+1)/2] : (a[n/2] + a[n/2+1]) / 2
    }
    $1 == "floor" { fms[++nf] = $2; fkb[nf] = $3 }
    $1 == "game"  { gms[++ng] = $2; gkb[ng] = $3 }
    END {
        if (nf == 0 || ng == 0) { print "no runs measured"; exit 1 }
        f = median(fms, nf); g = median(gms, ng); fk = median(fkb, nf); gk = median(gkb, ng)
        printf "start-up to first frame (median of %d): floor %.1f ms, game %.1f ms, ratio %.2fx\n", nf, f, g, g / f
        printf "peak RSS (median of %d):                floor %.1f MiB, game %.1f MiB, ratio %.2fx\n", nf, fk / 1024, gk / 1024, gk / fk
    }' "$work/runs"
