#!/usr/bin/env bash
# Installs every Debian package that building, testing and the demo need.
# Idempotent and quiet when everything is already there.
set -euo pipefail

packages=(
    build-essential cmake pkg-config git
    clang-14 libclang-rt-14-dev clang-format-14
    libgtest-dev libgmock-dev libbenchmark-dev
    libgumbo-dev libpng-dev libicu-dev
    chromium
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
