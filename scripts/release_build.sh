#!/usr/bin/env bash
# The optimised build a user or packager makes (CMAKE_BUILD_TYPE=Release, -O3) of
# everything, into build-release/ (or $RELEASE_BUILD_DIR), with warnings as errors, and
# the core tests run on it: optimisation must not change what the core computes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/compiler_cache.sh"
build=${RELEASE_BUILD_DIR:-$root/build-release}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DXGORVO_WERROR=ON >/dev/null
echo "== release build"
cmake --build "$build" --parallel "$(nproc)"
"$build/tests/core_tests" --gtest_brief=1
