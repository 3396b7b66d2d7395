#!/usr/bin/env bash
# Fails when a C++ file of the sources, tools, tests or benchmarks differs from what
# clang-format 14 makes of it with the repository's .clang-format.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

format=clang-format-14
if ! command -v "$format" >/dev/null 2>&1; then format=clang-format; fi
if ! "$format" --version | grep -q 'version 14\.'; then
    echo "error: clang-format 14 is needed; found: $("$format" --version)" >&2
    exit 1
fi

mapfile -d '' files < <(find src tools tests bench -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
echo "== clang-format over ${#files[@]} files"
"$format" --dry-run --Werror "${files[@]}"
