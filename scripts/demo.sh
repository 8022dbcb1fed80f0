#!/usr/bin/env bash
# Sets up the machine, builds the add-in and the host, and runs the host on the bundled page:
# the Tools menu, the About box, the help page, and the Form Field Manager giving a field a
# status bar text and highlighting colours chosen in the Color Selector. The transcript comes
# first, then the page as it would be saved.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target zirirur zirirur_addin >/dev/null
build/host/zirirur --state build/demo-state \
    --web host/demo/web --page host/demo/web/index.htm --cursor FullName \
    --out - host/demo/demo.zs
