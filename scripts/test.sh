#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, starts a JACK server with the
# dummy driver when none runs, runs every test and stops what it started. A JACK server
# that cannot be started fails the run: the integration tests would prove nothing.
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

jack_runs() { JACK_NO_START_SERVER=1 jack_lsp >/dev/null 2>&1; }

if ! jack_runs; then
    export JACK_NO_AUDIO_RESERVATION=1
    jackd --no-realtime -d dummy -r 48000 -p 256 >"$root/build/jackd.log" 2>&1 &
    jack_pid=$!
    for _ in $(seq 1 100); do
        jack_runs && break
        sleep 0.1
    done
    if ! jack_runs; then
        echo "error: the JACK server did not start; build/jackd.log says:" >&2
        cat "$root/build/jackd.log" >&2
        exit 1
    fi
fi
# From here on an integration test that finds no server fails instead of skipping.
export XGORVO_JACK_RUNNING=1

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)" --timeout 300

"$root/scripts/sanitize.sh"
