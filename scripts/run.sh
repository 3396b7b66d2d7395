#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
if [ -x "$root/build/xg-orvo" ]; then
    exec "$root/build/xg-orvo" "$@"
fi
exec "$root/build/tools/xg-orvo-tool/xg-orvo-tool" ports
