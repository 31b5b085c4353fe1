#!/bin/sh
# Runs the big-integer benchmarks beside GMP and Python's Fraction on the same
# sizes and prints the median CPU times and their ratios. Run by hand:
#   bench/compare_bigint.sh [path/to/bigint_bench]
# It needs a C compiler, libgmp-dev and python3; the program never links GMP.
set -eu
bench=${1:-build-rel/bench/bigint_bench}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/gmp_side.c" <<'C'
#include <gmp.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static gmp_randstate_t state;

static void randomDigits(mpz_t value, unsigned long digits) {
    mpz_t low;
    mpz_init(low);
    mpz_ui_pow_ui(value, 10, digits - 1);
    mpz_urandomm(low, state, value);
    mpz_mul_ui(value, value, 7);
    mpz_add(value, value, low);
    mpz_clear(low);
}

static double now(void) {
    struct timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

static int byValue(const void* a, const void* b) {
    const double x = *(const double*)a, y = *(const double*)b;
    return x < y ? -1 : x > y;
}

#define RUNS 21
#define MEDIAN(label, setup, work)                                      \
    do {                                                                \
        double times[RUNS];                                             \
        for (int run = 0; run < RUNS; ++run) {                          \
            setup;                                                      \
            const double start = now();                                 \
            work;                                                       \
            times[run] = now() - start;                                 \
        }                                                               \
        qsort(times, RUNS, sizeof times[0], byValue);                   \
        printf("%s %.6f\n", label, times[RUNS / 2] * 1e3);              \
    } while (0)

int main(void) {
    mpz_t a, b, q, r, g, p;
    mpz_inits(a, b, q, r, g, p, NULL);
    gmp_randinit_default(state);
    randomDigits(a, 100000);
    randomDigits(b, 100000);
    MEDIAN("product", (void)0, mpz_mul(p, a, b));
    randomDigits(b, 50000);
    MEDIAN("division", (void)0, mpz_tdiv_qr(q, r, a, b));
    randomDigits(a, 20000);
    randomDigits(b, 10000);
    mpq_t f;
    mpq_init(f);
    MEDIAN("fraction", (mpz_set(mpq_numref(f), a), mpz_set(mpq_denref(f), b)),
           mpq_canonicalize(f));
    return 0;
}
C
cc -O2 -o "$work/gmp_side" "$work/gmp_side.c" -lgmp

python3 - > "$work/python_side" <<'PY'
import random, statistics, sys, time
from fractions import Fraction
getattr(sys, "set_int_max_str_digits", lambda limit: None)(0)
def number(digits):
    return int("7" + "".join(random.choice("0123456789") for _ in range(digits - 1)))
a, b = number(20000), number(10000)
times = []
for _ in range(21):
    start = time.process_time()
    Fraction(a, b)
    times.append(time.process_time() - start)
print("fraction", statistics.median(times) * 1e3)
PY

"$work/gmp_side" > "$work/gmp"
"$bench" --benchmark_filter='multiply/100000|divide/50000|reducedFraction/10000' \
    --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null | grep '_median' > "$work/lorvex"

ours() { grep "^\"$1/[0-9]*_median\"" "$work/lorvex" | awk -F, '{ t = $4; u = $5; gsub(/"/, "", u);
    if (u == "us") t /= 1e3; if (u == "ns") t /= 1e6; if (u == "s") t *= 1e3; print t }'; }
theirs() { awk -v k="$2" '$1 == k { print $2 }' "$work/$1"; }
row() { awk -v n="$1" -v x="$2" -v y="$4" -v r="$3" \
    'BEGIN { printf "%-22s lorvex %9.3f ms  %-8s %9.3f ms  ratio %6.2f\n", n, x, r, y, x / y }'; }

row "product 10^5 digits" "$(ours multiply)" GMP "$(theirs gmp product)"
row "division 10^5/5e4" "$(ours divide)" GMP "$(theirs gmp division)"
row "fraction 2e4/1e4" "$(ours reducedFraction)" GMP "$(theirs gmp fraction)"
row "fraction 2e4/1e4" "$(ours reducedFraction)" Python "$(theirs python_side fraction)"
