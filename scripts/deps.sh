#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, but only those
# that are missing, so a second run costs a fraction of a second.
set -euo pipefail

packages=(
    build-essential cmake pkg-config clang clang-format-14
    qt6-base-dev qt6-base-dev-tools libgl-dev
    librtmidi-dev libasound2-dev libjack-jackd2-dev jackd2
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    python3-mido midicsv
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
