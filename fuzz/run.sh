#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target for a while on a copy of its seeds, so no run writes into the
# repository. Usage: fuzz/run.sh BUILD_DIR SECONDS. Exits nonzero when any target crashed,
# broke a rule, timed out or leaked; the input that did it is kept under BUILD_DIR/artifacts.
set -uo pipefail
build="$1"
seconds="$2"
cd "$(dirname "$0")/.."

# Target, longest input, seconds a single input may take.
targets=(
  "settings 4096 10"
  "browser 1024 5"
  "game 1024 20"
  "replay 16384 10"
  "network 1024 5"
  "gateway 1024 5"
)

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=()
for entry in "${targets[@]}"; do
    read -r name max_len timeout <<<"$entry"
    corpus="$work/$name"
    artifacts="$build/artifacts/$name"
    mkdir -p "$corpus" "$artifacts"
    cp fuzz/corpus/"$name"/* "$corpus"/
    echo "== fuzz_$name for ${seconds}s"
    # The game needs no display; Qt would only want a platform for a GUI application.
    QT_QPA_PLATFORM=offscreen "$build/bin/fuzz_$name" -max_total_time="$seconds" \
        -timeout="$timeout" -max_len="$max_len" -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$corpus" 2>"$work/$name.log"
    status=$?
    grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb)|cov: ' \
        "$work/$name.log" | tail -n 5
    if [ $status -ne 0 ]; then
        tail -n 40 "$work/$name.log"
        echo "FAIL: fuzz_$name exited with $status; reproduce with:"
        echo "  $build/bin/fuzz_$name $artifacts/<file>"
        failed+=("$name")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "FAIL: ${failed[*]}"
    exit 1
fi
echo "PASS: every target ran ${seconds}s without a failure"
