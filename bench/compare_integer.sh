#!/bin/sh
# Times the exact determinant and inverse of matrix_bench's 80 x 80 integer
# matrix (entries -99 ... 99) against PARI/GP's matdet and 1/M on the same
# matrix, built from the same generator. The two sides run back to back in
# each round, so that a loaded machine weighs on both alike; the medians of
# the CPU and wall-clock times over the rounds and their ratios are printed.
#
# Usage: bench/compare_integer.sh [build directory, default build-rel] [rounds, default 5]
# The build directory needs -DLORVEX_BUILD_BENCHMARKS=ON and a release build.
set -eu

build=${1:-build-rel}
rounds=${2:-5}
bench="$build/bench/matrix_bench"
command -v gp >/dev/null || { echo "PARI/GP (gp) is not installed" >&2; exit 1; }
[ -x "$bench" ] || { echo "$bench is not built" >&2; exit 1; }

# Prints "determinant inverse digits determinant-wall inverse-wall":
# milliseconds of CPU time per call, the length of the determinant's text,
# which must match lorvex's, and milliseconds of wall-clock time per call.
gp_side() {
    gp -q -f --default parisize=200000000 <<'EOF'
n = 80; s = 1; M = matrix(n, n);
for (i = 1, n, for (j = 1, n, s = (s * 6364136223846793005 + 1442695040888963407) % 2^64; M[i, j] = (s >> 33) % 199 - 99));
reps = 10;
gettime(); t = getwalltime(); for (k = 1, reps, d = matdet(M));
det = gettime() / reps; detWall = (getwalltime() - t) / reps;
t = getwalltime(); for (k = 1, reps, N = 1 / M);
inv = gettime() / reps; invWall = (getwalltime() - t) / reps;
printf("%.2f %.2f %d %.2f %.2f\n", det, inv, #Str(d), detWall, invWall);
EOF
}

# Prints the same for lorvex, from the benchmark's CSV (times in ms).
lorvex_side() {
    "$bench" --benchmark_filter='integer(Determinant|Inverse)/80$' --benchmark_format=csv \
        2>/dev/null | awk -F, '
        /integerDeterminant\/80/ { det = $4; detWall = $3 }
        /integerInverse\/80/ { inv = $4; invWall = $3; digits = $NF }
        END { printf "%.2f %.2f %d %.2f %.2f\n", det, inv, digits, detWall, invWall }'
}

samples=$(mktemp)
trap 'rm -f "$samples"' EXIT
i=0
while [ "$i" -lt "$rounds" ]; do
    echo "gp $(gp_side)" >>"$samples"
    echo "lorvex $(lorvex_side)" >>"$samples"
    i=$((i + 1))
done

median() { # side column
    awk -v side="$1" -v col="$2" '$1 == side { print $col }' "$samples" | sort -g |
        awk '{ v[NR] = $1 } END { print (NR % 2 == 1) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

gpDigits=$(median gp 4)
lxDigits=$(median lorvex 4)
[ "$gpDigits" = "$lxDigits" ] || echo "warning: determinant lengths differ ($gpDigits, $lxDigits)" >&2
echo "80 x 80 integer matrix, medians of $rounds rounds, ms per call"
printf "%-12s %-5s %10s %10s %8s\n" "" "" "lorvex" "PARI/GP" "ratio"
row() { # label clock column
    awk -v label="$1" -v clock="$2" -v l="$(median lorvex "$3")" -v g="$(median gp "$3")" \
        'BEGIN { printf "%-12s %-5s %10.2f %10.2f %8.2f\n", label, clock, l, g, l / g }'
}
row determinant CPU 2
row determinant wall 5
row inverse CPU 3
row inverse wall 6
