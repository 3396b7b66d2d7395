#!/usr/bin/env bash
# Installs what is missing, builds, starts a JACK server with the dummy driver when none
# runs, runs every test and stops what it started.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"

jack_pid=""
stop_jack() {
    if [ -n "$jack_pid" ]; then
        kill "$jack_pid" 2>/dev/null || true
        wait "$jack_pid" 2>/dev/null || true
    fi
}
trap stop_jack EXIT

if ! JACK_NO_START_SERVER=1 jack_lsp >/dev/null 2>&1; then
    export JACK_NO_AUDIO_RESERVATION=1
    jackd --no-realtime -d dummy -r 48000 -p 256 >"$root/build/jackd.log" 2>&1 &
    jack_pid=$!
    for _ in $(seq 1 50); do
        JACK_NO_START_SERVER=1 jack_lsp >/dev/null 2>&1 && break
        sleep 0.1
    done
    JACK_NO_START_SERVER=1 jack_lsp >/dev/null 2>&1 || echo "warning: the JACK server did not start; see build/jackd.log"
fi

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)" --timeout 300

if [ -x "$root/scripts/sanitize.sh" ]; then
    "$root/scripts/sanitize.sh"
fi
