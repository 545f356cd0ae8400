#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when clang-tidy, with the committed .clang-tidy, finds a name against the project's
# rules in any source under src/ or a header there; lists each once, with its file and line.
# Arguments: clang-tidy, the source folder, a build folder with compile_commands.json, jobs.
set -uo pipefail
clang_tidy="$1"
source_dir=$(cd "$2" && pwd) || exit 1
build_dir=$(cd "$3" && pwd) || exit 1
jobs="${4:-2}"

if ! [ -x "$clang_tidy" ]; then
    echo "FAIL: clang-tidy not found; 'make deps' installs it"; exit 1
fi
if ! [ -f "$build_dir/compile_commands.json" ]; then
    echo "FAIL: no compile_commands.json in $build_dir"; exit 1
fi
# Only our own sources: moc and the other generated files live in the build folder.
mapfile -d '' files < <(find "$source_dir/src" -type f -name '*.cpp' -print0 | sort -z)
if [ ${#files[@]} -eq 0 ]; then
    echo "FAIL: no C++ sources under $source_dir/src"; exit 1
fi

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
# One log per source, so two runs at once never mix their lines. The compiler's own warnings
# are silenced (-w): the build reports those, and -Werror would make them fail here.
export clang_tidy build_dir source_dir logs
printf '%s\0' "${files[@]}" | xargs -0 -n 1 -P "$jobs" sh -c '
    log="$logs/$(printf %s "$1" | tr / _).log"
    "$clang_tidy" -p "$build_dir" --quiet --extra-arg=-w \
        --header-filter="^$source_dir/src/" "$1" >"$log" 2>&1 || echo "$1" >>"$log.failed"
' sh

# A header included by several sources is reported by each; one line per finding is enough.
findings=$(cat "$logs"/*.log | grep -E ': (warning|error): ' | sed "s|^$source_dir/||" | sort -u)
failed=$(cat "$logs"/*.failed 2>/dev/null | sed "s|^$source_dir/||")
echo "$("$clang_tidy" --version | grep -m1 -i version): ${#files[@]} sources checked"
if [ -n "$findings" ]; then
    echo "$findings"
    echo "FAIL: $(printf '%s\n' "$findings" | wc -l) findings"
    exit 1
fi
if [ -n "$failed" ]; then
    # clang-tidy failed without a finding to show (a crash, a missing file): show its output.
    for f in $failed; do cat "$logs/$(printf %s "$source_dir/$f" | tr / _).log"; done
    echo "FAIL: clang-tidy failed on: $failed"
    exit 1
fi
echo "PASS"
