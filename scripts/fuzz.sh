#!/usr/bin/env bash
# Builds the page fuzzer with clang (libFuzzer, address and undefined-behaviour sanitizers) and
# runs it on the test pages as seeds, for a fixed number of inputs from a fixed seed (so a run
# can be repeated exactly) and at most a bounded time. Exits non-zero when it finds anything.
# ZIRIRUR_FUZZ_SEED=0 takes a new seed each run, for longer hunts by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${ZIRIRUR_FUZZ_BUILD:-build-fuzz}"
seconds="${ZIRIRUR_FUZZ_SECONDS:-120}"
runs="${ZIRIRUR_FUZZ_RUNS:-20000}"
seed="${ZIRIRUR_FUZZ_SEED:-20261206}"

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
"$build/tests/platform/dom/dom_page_fuzzer" -seed="$seed" -runs="$runs" -max_total_time="$seconds" -max_len=8192 \
    -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$findings/" \
    "$seeds"
echo "fuzz: nothing found in $runs inputs (seed $seed, at most ${seconds}s)"
rmdir "$findings" 2>/dev/null || true
