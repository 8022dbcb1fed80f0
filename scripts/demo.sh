#!/usr/bin/env bash
# Sets up the machine, builds the add-in and the host, and runs the host on a bundled page.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" >/dev/null
echo "demo: not available yet" 
