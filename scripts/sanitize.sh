#!/usr/bin/env bash
# Builds the core, the drawing toolkit, the screens, the application and their tests and
# (with clang) the fuzzers with AddressSanitizer and UBSan into build-asan/, runs the core,
# draw, screen and app tests (offscreen) and fuzzes the file readers for a bounded time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/compiler_cache.sh"
build=${SANITIZE_BUILD_DIR:-$root/build-asan}
fuzz_seconds=${FUZZ_SECONDS:-20}

configure=(-DXGORVO_SANITIZE=ON -DXGORVO_GUI=ON -DXGORVO_BENCH=OFF -DXGORVO_WERROR=ON)
if [ ! -f "$build/CMakeCache.txt" ]; then
    cxx=g++
    if command -v clang++ >/dev/null 2>&1; then cxx=clang++; fi
    configure+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cxx")
fi
cmake -S "$root" -B "$build" "${configure[@]}" >/dev/null

jobs=$(nproc)
if [ "$jobs" -gt 2 ]; then jobs=2; fi
fuzzers=()
if grep -q '^CMAKE_CXX_COMPILER_ID:.*Clang' "$build/CMakeCache.txt" 2>/dev/null ||
    grep -q '^CMAKE_CXX_COMPILER:.*clang' "$build/CMakeCache.txt"; then
    fuzzers=(midi_reader_fuzz ini_file_fuzz set_interpreter_fuzz)
fi
tests=(core_tests draw_tests screen_tests app_tests)
cmake --build "$build" --parallel "$jobs" --target "${tests[@]}" xg-orvo-tool "${fuzzers[@]}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/sanitizer/leaks.supp:print_suppressions=0}
export QT_QPA_PLATFORM=offscreen
for t in "${tests[@]}"; do
    echo "== $t under AddressSanitizer and UBSan"
    "$build/tests/$t" --gtest_brief=1
done

# Each fuzzer starts from the committed seeds and test files; new inputs go to a corpus in
# the build tree.
fuzz() {
    local name=$1
    shift
    local corpus="$build/fuzz-corpus/$name"
    mkdir -p "$corpus"
    local log="$build/fuzz-$name.log"
    echo "== $name for ${fuzz_seconds} s"
    if "$build/tests/fuzz/$name" -max_total_time="$fuzz_seconds" -max_len=8192 -artifact_prefix="$build/" \
        "$corpus" "$@" >"$log" 2>&1; then
        tail -n 1 "$log"
    else
        cat "$log"
        echo "$name found a failing input; see $log"
        return 1
    fi
}
if ((${#fuzzers[@]})); then
    fuzz midi_reader_fuzz "$root/tests/data/midi_seeds" "$root/tests/data/midi_files"
    fuzz ini_file_fuzz "$root/tests/data/ini_seeds"
    fuzz set_interpreter_fuzz "$root/tests/data/set_seeds"
else
    echo "== no clang: the malformed-file mutations of core_tests stood in for the fuzzers"
fi
