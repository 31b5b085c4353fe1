#!/usr/bin/env python3
"""Writes root_cases.txt: matrices and polynomials with their eigenvalues or
roots at 40 digits and their multiplicities, computed with mpmath.

Every matrix entry and coefficient written is exactly representable in the
64-bit mantissa of an x87 long double, so the program reads the very matrix
or polynomial whose roots are given here. Run by hand (python3 generate_root_cases.py) after a
change; the tests only read the file.

Record layout, one item a line:
  matrix NAME n            followed by n lines of n entries
  polynomial NAME n        followed by one line of n + 1 coefficients,
                           highest power first
  roots m                  followed by m lines "re im multiplicity"
"""
import random
from pathlib import Path

import mpmath as mp

mp.mp.dps = 60
DIGITS = 40


def round64(x):
    """x rounded to a 64-bit mantissa, as the program will hold it."""
    x = mp.mpmathify(x)
    if isinstance(x, mp.mpc):
        assert abs(x.imag) < mp.mpf(10) ** -30 * (1 + abs(x.real))
        x = x.real
    with mp.workprec(64):
        return +x


def text(x):
    # 30 significant digits read back to the same 64-bit value.
    return mp.nstr(mp.mpf(x), 30, strip_zeros=True, min_fixed=-5, max_fixed=25)


def number(x):
    return mp.nstr(x, DIGITS, strip_zeros=True, min_fixed=-5, max_fixed=25)


def simple(values):
    """Values that must be simple roots: no two within 10^-6 of each other."""
    for i, a in enumerate(values):
        for b in values[:i]:
            assert abs(a - b) > mp.mpf(10) ** -6 * max(abs(a), abs(b)), (a, b)
    return [(v, 1) for v in values]


def expand(roots):
    """The coefficients of the monic polynomial with these roots."""
    coefficients = [mp.mpf(1)]
    for value in roots:
        shifted = coefficients + [mp.mpf(0)]
        for i in range(len(coefficients)):
            shifted[i + 1] -= value * coefficients[i]
        coefficients = shifted
    return coefficients


def roots_block(pairs):
    lines = [f"roots {len(pairs)}"]
    for value, multiplicity in pairs:
        z = mp.mpc(value)
        lines.append(f"{number(z.real)} {number(z.imag)} {multiplicity}")
    return lines


def matrix_case(name, rows, spectrum=None):
    n = len(rows)
    rows = [[round64(x) for x in row] for row in rows]
    lines = [f"matrix {name} {n}"]
    lines += [" ".join(text(x) for x in row) for row in rows]
    if spectrum is None:
        eigenvalues = mp.eig(mp.matrix(rows), left=False, right=False)
        spectrum = simple(eigenvalues)
    else:
        # The known spectrum must agree with mpmath's eigenvalues.
        eigenvalues = mp.eig(mp.matrix(rows), left=False, right=False)
        for e in eigenvalues:
            assert min(abs(e - v) for v, _ in spectrum) < mp.mpf(10) ** -8, (name, e)
        assert sum(k for _, k in spectrum) == n
    return lines + roots_block(spectrum)


def polynomial_case(name, roots_with_multiplicity):
    coefficients = expand([v for v, k in roots_with_multiplicity for _ in range(k)])
    rounded = [round64(c) for c in coefficients]
    n = len(coefficients) - 1
    if all(r == c for r, c in zip(rounded, coefficients)):
        spectrum = roots_with_multiplicity
    else:
        # Rounding moved the roots: those of the rounded polynomial count.
        assert all(k == 1 for _, k in roots_with_multiplicity), name
        found = mp.polyroots(rounded, maxsteps=500, extraprec=400)
        spectrum = simple(found)
    lines = [f"polynomial {name} {n}", " ".join(text(c) for c in rounded)]
    return lines + roots_block(spectrum)


def dyadic_matrix(rng, n, low, high):
    span = high - low
    return [[mp.mpf(low) + mp.mpf(span) * rng.randrange(1 << 10) / (1 << 10) for _ in range(n)]
            for _ in range(n)]


def block_diagonal(blocks):
    n = sum(len(b) for b in blocks)
    rows = [[0] * n for _ in range(n)]
    at = 0
    for b in blocks:
        for i, row in enumerate(b):
            for j, x in enumerate(row):
                rows[at + i][at + j] = x
        at += len(b)
    return rows


def jordan(value, size):
    return [[value if i == j else (1 if j == i + 1 else 0) for j in range(size)]
            for i in range(size)]


def companion(roots):
    coefficients = expand(roots)
    n = len(roots)
    rows = [[0] * n for _ in range(n)]
    for j in range(n):
        rows[0][j] = -coefficients[j + 1]
    for i in range(1, n):
        rows[i][i - 1] = 1
    return rows


def main():
    rng = random.Random(20261206)
    lines = []
    for n in range(2, 21):
        lines += matrix_case(f"random-unit-{n}", dyadic_matrix(rng, n, 0, 1))
    for n in (5, 8, 12, 16):
        lines += matrix_case(f"random-ten-{n}", dyadic_matrix(rng, n, -10, 10))

    lines += matrix_case("identity-6", block_diagonal([[[1]]] * 6), [(1, 6)])
    lines += matrix_case("jordan-3-2-1", block_diagonal([jordan(2, 3), jordan(-1, 2), [[5]]]),
                         [(2, 3), (-1, 2), (5, 1)])
    lines += matrix_case("jordan-4-half", block_diagonal([jordan(mp.mpf(0.5), 4), [[3]]]),
                         [(mp.mpf(0.5), 4), (3, 1)])
    rotation = [[0, -1], [1, 0]]
    lines += matrix_case("rotation-three-times", block_diagonal([rotation] * 3),
                         [(mp.mpc(0, 1), 3), (mp.mpc(0, -1), 3)])
    lines += matrix_case("diagonal-repeats", block_diagonal([[[x]] for x in (2, 2, 2, -3, -3, 7)]),
                         [(2, 3), (-3, 2), (7, 1)])
    upper = [[0] * 10 for _ in range(10)]
    diagonal = (1, 1, 1, 2, 2, -1, -1, -1, -1, 3)
    for i in range(10):
        upper[i][i] = diagonal[i]
        for j in range(i + 1, 10):
            upper[i][j] = mp.mpf(rng.randrange(-64, 65)) / 16
    lines += matrix_case("triangular-repeats-10", upper, [(1, 3), (2, 2), (-1, 4), (3, 1)])

    lines += matrix_case("companion-micro-mega",
                         [[round64(x) for x in row] for row in
                          companion([mp.mpf("1e-6"), mp.mpf(1), mp.mpf("1e6")])])
    lines += polynomial_case("far-apart-simple",
                             [(mp.mpf("1e-6"), 1), (mp.mpf("-2e-6"), 1), (mp.mpf(3), 1),
                              (mp.mpf("1e6"), 1), (mp.mpf("-2.5e6"), 1)])
    lines += polynomial_case("far-apart-complex",
                             [(mp.mpc("1e6", "1e6"), 1), (mp.mpc("1e6", "-1e6"), 1),
                              (mp.mpf("1e-6"), 1), (mp.mpf(1), 1)])
    lines += polynomial_case("tiny-roots", [(mp.mpf("1e-6") * k, 1) for k in (1, 2, 3, -4)])
    lines += polynomial_case("huge-roots", [(mp.mpf("1e6") * k, 1) for k in (1, 2, 3, -4)])
    lines += polynomial_case("dyadic-far-repeats",
                             [(mp.mpf(2) ** -12, 2), (mp.mpf(2) ** 12, 3)])
    lines += polynomial_case("identity-20", [(1, 20)])
    # 0 is a root of every run that fails to settle elsewhere; it is still
    # listed once, with its multiplicity.
    lines += polynomial_case("zero-fourfold", [(0, 4)])
    lines += polynomial_case("zero-threefold-and-one", [(0, 3), (1, 1)])
    lines += polynomial_case("zero-twofold-and-i", [(0, 2), (mp.mpc(0, 1), 1), (mp.mpc(0, -1), 1)])
    # -1.7 lies beyond the largest coefficient, 1.1, and is reached from few
    # starting points near 0.
    lines += polynomial_case("root-beyond-coefficients",
                             [(mp.mpf("-1.7"), 1), (mp.mpf("-0.2"), 1), (mp.mpc("0.4", "0.5"), 1),
                              (mp.mpc("0.4", "-0.5"), 1)])

    out = Path(__file__).with_name("root_cases.txt")
    out.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
