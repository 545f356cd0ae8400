#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the committed .clang-format would change any C++ file of the project, and names
# the files to run `clang-format -i` on.
set -uo pipefail
clang_format="$1"
cd "$2" || exit 1

if ! [ -x "$clang_format" ]; then
    echo "FAIL: clang-format not found; 'make deps' installs it"; exit 1
fi
# Another major version lays out some code differently; a pass or fail with it would mislead.
version=$("$clang_format" --version | head -n 1)
if ! [[ "$version" =~ version\ 14\. ]]; then
    echo "FAIL: needs clang-format 14 (Debian 12's clang-format-14), found: $version"; exit 1
fi
mapfile -d '' files < <(find src tests tools bench fuzz -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.cc' -o -name '*.hpp' \) -print0 2>/dev/null | sort -z)
if [ ${#files[@]} -eq 0 ]; then
    echo "FAIL: no C++ files under src, tests, tools or bench"; exit 1
fi

unformatted=()
for f in "${files[@]}"; do
    "$clang_format" --style=file --dry-run --Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done
echo "$version: ${#files[@]} files checked"
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "FAIL: ${#unformatted[@]} files differ from .clang-format; to fix them:"
    echo "$clang_format -i ${unformatted[*]}"
    exit 1
fi
echo "PASS"
