#!/usr/bin/env bash
# Long random fuzzing, run by hand: every fuzz target (or the ones named) for
# SECONDS each, from a random seed, growing a corpus that is kept in
# build-fuzz/corpus-long between runs. The committed seeds are read, never
# written. Inputs that fail are kept in build-fuzz/crashes/<target>/.
#
#   scripts/fuzz_long.sh [SECONDS] [TARGET ...]     (600 s by default)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

seconds=${1:-600}
[ $# -gt 0 ] && shift

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DLORVEX_CORE_ONLY=ON -DLORVEX_SANITIZE=ON \
    -DLORVEX_BUILD_TESTS=OFF -DLORVEX_BUILD_BENCHMARKS=OFF -DLORVEX_BUILD_FUZZERS=ON >/dev/null
cmake --build build-fuzz -j "$(nproc)"
source scripts/fuzz_limits.sh

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for fuzzer in build-fuzz/fuzz/*_fuzzer; do targets+=("$(basename "$fuzzer")"); done
fi

failed=()
for name in "${targets[@]}"; do
    corpus="build-fuzz/corpus-long/$name"
    crashes="build-fuzz/crashes/$name"
    mkdir -p "$corpus" "$crashes"
    seed=$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')
    log="build-fuzz/$name-long.log"
    echo "-- $name, $seconds s, -seed=$seed"
    if "build-fuzz/fuzz/$name" "${fuzz_limits[@]}" -seed="$seed" -max_total_time="$seconds" \
        -artifact_prefix="$crashes/" "$corpus" "fuzz/seeds/$name" >"$log" 2>&1; then
        tail -n 1 "$log"
    else
        grep -E "^(==[0-9]+==ERROR|SUMMARY|artifact_prefix|Test unit written)" "$log" || tail -n 20 "$log"
        failed+=("$name")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    cat <<EOF

Failed: ${failed[*]}. The logs are build-fuzz/<target>-long.log, the inputs in
build-fuzz/crashes/<target>/. Repeat one with
    build-fuzz/fuzz/<target> build-fuzz/crashes/<target>/<file>
and, once it is mended, commit it as a regression seed that the test command
runs every time:
    cp build-fuzz/crashes/<target>/<file> fuzz/seeds/<target>/regression_<what_it_found>
EOF
    exit 1
fi
echo "No failure."
