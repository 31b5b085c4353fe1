#!/usr/bin/env bash
# Builds lorvex and runs every test: the full build with CTest, the Qt-free
# core again under AddressSanitizer and UndefinedBehaviorSanitizer, and a short
# run of every fuzz target. Installs what is missing first.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
./scripts/setup.sh

jobs=$(nproc)
fuzz_seconds=${LORVEX_FUZZ_SECONDS:-10}

echo "== Build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Qt-free core under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLORVEX_CORE_ONLY=ON -DLORVEX_SANITIZE=ON -DLORVEX_BUILD_BENCHMARKS=OFF
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

echo "== Fuzz targets, ${fuzz_seconds} s each"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DLORVEX_CORE_ONLY=ON -DLORVEX_SANITIZE=ON \
    -DLORVEX_BUILD_TESTS=OFF -DLORVEX_BUILD_BENCHMARKS=OFF -DLORVEX_BUILD_FUZZERS=ON
cmake --build build-fuzz -j "$jobs"
for fuzzer in build-fuzz/fuzz/*_fuzzer; do
    name=$(basename "$fuzzer")
    corpus="build-fuzz/corpus/$name"
    mkdir -p "$corpus"
    seeds=()
    [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
    log="build-fuzz/$name.log"
    echo "-- $name"
    if ! "$fuzzer" -max_total_time="$fuzz_seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=2048 "$corpus" "${seeds[@]}" >"$log" 2>&1; then
        cat "$log"
        echo "$name failed; the input that failed is named in the log above"
        exit 1
    fi
    tail -n 1 "$log"
done

echo "All tests passed."
