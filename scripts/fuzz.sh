#!/usr/bin/env bash
# Builds the fuzzers with clang (libFuzzer, address and undefined-behaviour sanitizers) and runs
# each on its seeds for a fixed number of inputs from a fixed seed (so a run can be repeated
# exactly) and at most a bounded time: the page fuzzer on the test pages, the favourites index
# fuzzer on its index files. Exits non-zero when either finds anything.
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
cmake --build "$build" --target dom_page_fuzzer formtools_index_fuzzer -j"$(nproc)"

seeds="$(mktemp -d)"
findings="$(mktemp -d)"
trap 'rm -rf "$seeds"' EXIT

# fuzz NAME BINARY MAX_LEN SEED_FILE...: one bounded run on a fresh copy of the seeds.
fuzz() {
    local name="$1" binary="$2" max_len="$3"
    shift 3
    rm -rf "${seeds:?}"/*
    cp "$@" "$seeds"/
    "$binary" -seed="$seed" -runs="$runs" -max_total_time="$seconds" -max_len="$max_len" \
        -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$findings/" \
        "$seeds"
    echo "fuzz $name: nothing found in $runs inputs (seed $seed, at most ${seconds}s)"
}

fuzz "page parser" "$build/tests/platform/dom/dom_page_fuzzer" 8192 tests/data/*.htm
fuzz "favourites index" "$build/tests/formtools/formtools_index_fuzzer" 4096 \
    tests/formtools/fuzz/seeds/*.dat
rmdir "$findings" 2>/dev/null || true
