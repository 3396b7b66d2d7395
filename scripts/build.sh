#!/usr/bin/env bash
# Configures and builds into build/ (or the folder given as $BUILD_DIR) with warnings as
# errors, as the project's own builds always are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/compiler_cache.sh"
build=${BUILD_DIR:-$root/build}
configure=(-DXGORVO_WERROR=ON)
if [ ! -f "$build/CMakeCache.txt" ]; then
    configure+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi
cmake -S "$root" -B "$build" "${configure[@]}" "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
