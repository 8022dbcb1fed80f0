#!/usr/bin/env bash
# Builds the page fuzzer with clang (libFuzzer, address and undefined-behaviour sanitizers) and
# runs it for a bounded time on the test pages as seeds. Exits non-zero when it finds anything.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${ZIRIRUR_FUZZ_BUILD:-build-fuzz}"
seconds="${ZIRIRUR_FUZZ_SECONDS:-60}"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DZIRIRUR_FUZZ=ON -DZIRIRUR_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" \
    >/dev/null
cmake --build "$build" --target dom_page_fuzzer -j"$(nproc)"

seeds="$(mktemp -d)"
findings="$(mktemp -d)"
trap 'rm -rf "$seeds"' EXIT
cp tests/data/*.htm "$seeds"/
"$build/tests/platform/dom/dom_page_fuzzer" -max_total_time="$seconds" -max_len=8192 \
    -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$findings/" \
    "$seeds"
echo "fuzz: nothing found in ${seconds}s"
rmdir "$findings" 2>/dev/null || true
