#!/usr/bin/env python3
"""Writes calc_cases.txt: matrix calculations with their results worked out
here (exact fractions for integer mode, mpmath otherwise), independently of
the program.

Lines:
  mode real|complex|integer       starts a section; the letters are cleared
  let L = ROW; ROW; ...            a matrix; elements separated by blanks:
                                   RE or RE,IM (complex), N or N/D (integer)
  calc TEXT => EXPECTED            CompileCalc + EvalCalc; EXPECTED is
                                   "code N", "scalar V" or the matrix rows
  scalar TEXT => V                 EvalScalarText (V is RE[,IM] or "code N")
  cell [z=RE,IM] TEXT => V         ConstCalc with the window's value of Z
A tolerance "tol T" may follow a real or complex EXPECTED (relative to the
largest element; 1e-15 unless given).
"""

import os
from fractions import Fraction

from mpmath import matrix, mp, mpc, mpf

mp.dps = 40

lines = []
letters = {}
current_mode = None


def mode(name):
    global current_mode
    current_mode = name
    letters.clear()
    lines.append("")
    lines.append("mode " + name)


def parse_element(text):
    if current_mode == "integer":
        return Fraction(text)
    if "," in text:
        re, im = text.split(",")
        return mpc(mpf(re), mpf(im))
    return mpc(mpf(text), 0)


def let(letter, rows):
    lines.append("let %s = %s" % (letter, rows))
    values = [[parse_element(e) for e in row.split()] for row in rows.split(";")]
    if current_mode == "integer":
        letters[letter] = values
    else:
        m = matrix(len(values), len(values[0]))
        for i, row in enumerate(values):
            for j, v in enumerate(row):
                m[i, j] = v
        letters[letter] = m


def number(value):
    return mp.nstr(mpf(value), 30, min_fixed=-5, max_fixed=30)


def element_text(value):
    if isinstance(value, Fraction):
        return str(value)
    value = mpc(value)
    if current_mode == "complex" and value.imag != 0:
        return number(value.real) + "," + number(value.imag)
    return number(value.real)


def matrix_text(m):
    if isinstance(m, list):
        return "; ".join(" ".join(element_text(v) for v in row) for row in m)
    return "; ".join(" ".join(element_text(m[i, j]) for j in range(m.cols))
                     for i in range(m.rows))


def calc(text, expected, tol=None):
    if isinstance(expected, tuple):
        result = "code %d" % expected[1]
    elif isinstance(expected, (int, Fraction, mpf, mpc)) and not isinstance(expected, bool):
        result = "scalar " + element_text(expected)
    else:
        result = matrix_text(expected)
    lines.append("calc %s => %s%s" % (text, result, "" if tol is None else " tol %g" % tol))


def scalar(text, expected):
    result = "code %d" % expected[1] if isinstance(expected, tuple) else complex_text(expected)
    lines.append("scalar %s => %s" % (text, result))


def cell(z, text, expected):
    result = "code %d" % expected[1] if isinstance(expected, tuple) else complex_text(expected)
    prefix = "cell z=%s " % z if z else "cell "
    lines.append("%s%s => %s" % (prefix, text, result))


def complex_text(value):
    value = mpc(value)
    return number(value.real) + "," + number(value.imag)


def code(n):
    return ("code", n)


def m(name):
    return letters[name]


# Integer-mode helpers on lists of Fractions.
def imul(a, b):
    return [[sum(a[i][t] * b[t][j] for t in range(len(b))) for j in range(len(b[0]))]
            for i in range(len(a))]


def iscale(s, a):
    return [[s * v for v in row] for row in a]


def iadd(a, b, sign=1):
    return [[x + sign * y for x, y in zip(ra, rb)] for ra, rb in zip(a, b)]


def iinv2(a):
    (p, q), (r, s) = a
    det = p * s - q * r
    return [[s / det, -q / det], [-r / det, p / det]]


def itrans(a):
    return [list(col) for col in zip(*a)]


def ipow(a, k):
    result = [[Fraction(int(i == j)) for j in range(len(a))] for i in range(len(a))]
    base = a if k >= 0 else iinv2(a)
    for _ in range(abs(k)):
        result = imul(result, base)
    return result


def join(a, b):
    if isinstance(a, list):
        return [ra + rb for ra, rb in zip(a, b)]
    out = matrix(a.rows, a.cols + b.cols)
    for i in range(a.rows):
        for j in range(a.cols):
            out[i, j] = a[i, j]
        for j in range(b.cols):
            out[i, a.cols + j] = b[i, j]
    return out


# --- real mode -----------------------------------------------------------------------------
mode("real")
let("A", "1 2; 3 4")
let("B", "5 6; 7 8")
let("C", "1 2 3; 4 5 6")
let("D", "1; 2; 3")
let("S", "1 2; 2 4")
let("I", "1 0; 0 1")
let("M", "2 1; 1 1")
let("W", "1 1; 0 1")
let("X", "1 2; 3 4")
let("G", "10000000000")
let("Y", "0.0000000001 0; 0 0.0000000001")
A, B, C, D = m("A"), m("B"), m("C"), m("D")
Ainv = A ** -1
calc("A+B", A + B)
calc("A-B", A - B)
calc("A*B", A * B)
calc("AB", A * B)
calc("BA", B * A)
calc("a+b", A + B)
calc("2A", 2 * A)
calc("2*A", 2 * A)
calc("A*2", 2 * A)
calc("A2", 2 * A)
calc("A/2", A / 2)
calc("0.5A", A / 2)
calc(".5A", A / 2)
calc("1.5.2A", mpf("1.5") * A)
calc("1/A", Ainv)
calc("A^-1", Ainv)
calc("A^(-1)", Ainv)
calc("1/Y", m("Y") ** -1)
calc("A/B", A * B ** -1)
calc("2/A", 2 * Ainv)
calc("A/A", A * Ainv)
calc("A^0", matrix([[1, 0], [0, 1]]))
calc("A^1", A)
calc("A^2", A * A)
calc("A\u00b2", A * A)
calc("A^3", A * A * A)
calc("A^-2", Ainv * Ainv)
calc("(A^2)^2", A ** 4)
calc("A^(2/2)", A)
calc("A'", A.T)
calc("C'", C.T)
calc("CD", C * D)
calc("D'C'", D.T * C.T)
calc("(CD)'", (C * D).T)
calc("2A'", 2 * A.T)
calc("A'B", A.T * B)
calc("AB'", A * B.T)
calc("(AB)'", (A * B).T)
calc("(M-3W)x'", (m("M") - 3 * m("W")) * m("X").T)
calc("A|B", join(A, B))
calc("A|C", join(A, C))
calc("A+B|A", join(A + B, A))
calc("A|B*2", join(A, 2 * B))
calc("(A)", A)
calc("((A))", A)
calc("[A+B]", A + B)
calc("{A}", A)
calc("[-A]", -A)
calc("-A", -A)
calc("--A", A)
calc("A--B", A + B)
calc("A-B-A", -B)
calc("A*B*A", A * B * A)
calc("A+B*2", A + 2 * B)
calc("(A+B)*2", (A + B) * 2)
calc("3(A+B)", 3 * (A + B))
calc("(A)(B)", A * B)
calc("A(B)", A * B)
calc("AI", A)
calc("A-1*A", A - A)
calc("G*G", matrix([[mpf("1e20")]]))
calc("2+3", mpf(5))
calc("2*3-1", mpf(5))
calc("1/4", mpf("0.25"))
calc("BA'", B * A.T)
calc("A+1", code(103))
calc("1+A", code(103))
calc("A+C", code(103))
calc("DC", code(103))
calc("C'D", code(103))
calc("A|D", code(103))
calc("A|2", code(103))
calc("2'", code(103))
calc("A^1.5", code(109))
calc("A^(1/2)", code(109))
calc("2^3", code(103))
calc("A^A", code(103))
calc("C^2", code(103))
calc("A^2^2", code(103))
calc("1/S", code(14))
calc("S^-1", code(14))
calc("A/S", code(14))
calc("A/C", code(103))
calc("C/A", code(103))
calc("A/0", code(101))
calc("A/(1-1)", code(101))
calc("0/0", code(101))
calc("G^2", code(20))
calc("Z", code(2))
calc("A+Z", code(2))
calc("A+", code(6))
calc("(A", code(108))
calc("A)", code(108))
calc("A#B", code(1))
calc("A,B", code(1))
calc("A''", code(6))
calc("'A", code(1))
calc("", code(9))
calc("   ", code(9))
calc("A\u00e9", code(1))
calc("@", code(1))
calc(")A(", code(108))
calc("(A@", code(1))
calc("*A", code(6))

# --- complex mode ----------------------------------------------------------------------------
mode("complex")
let("A", "1,1 2; 0 1,-1")
let("B", "0,1 0; 0 0,1")
let("C", "1,2 3,-1")
A, B, C = m("A"), m("B"), m("C")
calc("A+B", A + B)
calc("A*B", A * B)
calc("A'", A.T)
calc("C'", C.T)
calc("2A", 2 * A)
calc("A/2", A / 2)
calc("1/A", A ** -1)
calc("A^-1", A ** -1)
calc("A^2", A * A)
calc("A|B", join(A, B))
calc("CA", C * A)
calc("(1+1)A", 2 * A)
calc("A-A", A - A)
calc("A^0.5", code(109))

# --- integer mode ----------------------------------------------------------------------------
mode("integer")
let("A", "1 2; 3 4")
let("B", "5 6; 7 8")
let("H", "1/2 0; 0 1/2")
let("K", "1/3 0; 0 1/3")
let("T", "4 7; 2 6")
let("U", "1 1; 0 1")
let("S", "1 2; 2 4")
let("J", "2/4")
let("L", "6/4")
let("P", "2/3 0; 0 2/3")
let("E", "1")
A, B, H, K, T, U = m("A"), m("B"), m("H"), m("K"), m("T"), m("U")
J, L, P, E = m("J"), m("L"), m("P"), m("E")
calc("A+B", iadd(A, B))
calc("A-A", iadd(A, A, -1))
calc("A*B", imul(A, B))
calc("A/2", iscale(Fraction(1, 2), A))
calc("(1/3)A", iscale(Fraction(1, 3), A))
calc("A/3*3", A)
calc("H+K", iadd(H, K))
calc("HA", imul(H, A))
calc("1/T", iinv2(T))
calc("T^-1", iinv2(T))
calc("A/T", imul(A, iinv2(T)))
calc("U^-2", ipow(U, -2))
calc("U^100", ipow(U, 100))
calc("U^(4/2)", ipow(U, 2))
calc("A^0", ipow(A, 0))
calc("A'", itrans(A))
calc("A|H", join(A, H))
calc("J|L", join(J, L))
calc("P^-3", ipow(P, -3))
calc("E^99999999", E)
calc("A/(-2)", iscale(Fraction(-1, 2), A))
calc("(1/2-1/3)A", iscale(Fraction(1, 6), A))
calc("(4/6)/(-1/3)", Fraction(-2))
calc("-A", iscale(-1, A))
calc("99999999999999999999A", iscale(99999999999999999999, A))
calc("1/2", Fraction(1, 2))
calc("1/2+1/3", Fraction(5, 6))
calc("2/3-1/6", Fraction(1, 2))
calc("(2/3)/(4/9)", Fraction(3, 2))
calc("-1/2", Fraction(-1, 2))
calc("12345678901234567890*98765432109876543210",
     Fraction(12345678901234567890 * 98765432109876543210))
calc("0.5A", code(109))
calc("A^1.5", code(109))
calc("U^(1/2)", code(17))
calc("U^100000000", code(17))
calc("S^-1", code(1))
calc("1/S", code(14))
calc("A/S", code(14))
calc("A/0", code(101))
calc("A+1", code(103))
calc("2^3", code(103))
calc("A.@", code(109))
calc("A@.", code(1))

# --- typed numbers: EvalScalarText and ConstCalc -----------------------------------------------
mode("real")
let("A", "1 2; 3 4")
scalar("2+3i", mpc(2, 3))
scalar("2i*3i", -6)
scalar("(2+3i)/(1-i)", mpc(mpf("-0.5"), mpf("2.5")))
scalar("1/(0.000000000001)", mpf("1e12"))
scalar("1/(0.000000000001i)", mpc(0, mpf("-1e12")))
scalar("-i", mpc(0, -1))
scalar("A", code(1))
scalar("2E", code(2))
scalar("A+1", code(103))
scalar("Q", code(2))
scalar("1/0", code(101))
scalar("(1+i)^2", code(103))
scalar("2,5", code(1))
scalar("1/(0.0000000000000000001)", code(101))
cell(None, "2+3i", mpc(2, 3))
cell(None, "2^3", 8)
cell(None, "(1+i)^2", mpc(0, 2))
cell(None, "i^-1", mpc(0, -1))
cell(None, "2^0.5", code(101))
cell(None, "0^-1", code(101))
cell(None, "10000000000^2", code(101))
cell("1,2", "z*2", mpc(2, 4))
cell(None, "a+1", code(1))
cell(None, "x'", code(1))
cell(None, "2|3", code(1))
cell(None, "1/0", code(101))
cell(None, "1/(0.000000000001)", mpf("1e12"))
cell(None, "(1", code(108))
cell(None, "A+", code(6))


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "calc_cases.txt")
    with open(path, "w", encoding="utf-8") as out:
        out.write("# Matrix calculations and their results; written by generate_calc_cases.py.\n")
        for line in lines:
            out.write(line + "\n")
    count = sum(1 for line in lines if line.split(" ")[0] in ("calc", "scalar", "cell"))
    print("%d cases" % count)


main()
