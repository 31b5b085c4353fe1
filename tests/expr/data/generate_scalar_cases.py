#!/usr/bin/env python3
"""Writes scalar_cases.txt: scalar formulas with the values worked out here
with mpmath, independently of the program.

Line format:  MODE [VAR=RE[,IM] ...] :: FORMULA => EXPECTED
EXPECTED is "code N" (Compile's code), "fails" (the evaluation fails) or
"RE[,IM]", optionally followed by "tol T" (relative tolerance, 1e-15 unless
given) and "after VAR=RE[,IM] ..." (variables after the evaluation).

The formula language measures angles with the double-precision pi, so PI,
DEG and the polar angle use math.pi (a double), not the exact pi.
"""

import math
import os

from mpmath import mp, mpc, mpf

mp.dps = 40

PI = mpf(math.pi)                 # the double nearest pi
HALF_PI = mpf(1.5707963267948966)
DEG = mpf(math.pi / 180)          # computed in double precision
E = mp.e
I = mpc(0, 1)

cases = []


def case(mode, variables, formula, expected, tol=None, after=None):
    cases.append((mode, variables, formula, expected, tol, after))


def code(n):
    return ("code", n)


FAILS = "fails"


def arg(x, y):
    """The polar angle as the language defines it (double pi)."""
    x, y = mpf(x), mpf(y)
    if abs(x) < mpf("1e-18"):
        return -HALF_PI if y < 0 else HALF_PI
    a = mp.atan(y / x)
    if x >= 0:
        return a
    return a + PI if y >= 0 else a - PI


# --- numbers, implicit products and names -----------------------------------
case("real", "x=5", "2x", 10)
case("real", "x=7", "xx", 49)
case("real", "x=2", "xpi", 2 * PI)
case("real", "p=2 i=3 x=5", "pix", 30)
case("real", "x=4", "x2", 8)
case("real", "x=3", "2(x+1)", 8)
case("real", "x=3", "(x+1)(x-1)", 8)
case("real", "x=3 y=4", "x(y)", 12)
case("real", "x=1", "2sin(x)", 2 * mp.sin(1))
case("real", "x=1", "xsin(x)", mp.sin(1))
case("real", "s=2 i=3 n=4 x=5", "sin x", 120)
case("real", "x=3", "[x+1]*{x-1}", 8)
case("real", "x=3", "[x+1)", 4)
case("real", "", "((5))", 5)
case("real", "", "1e3", 3 * E)
case("real", "", "1.5.2", mpf("1.5"))
case("real", "", ".5", mpf("0.5"))
case("real", "", ".", 0)
case("real", "", "5.", 5)
case("real", "", "2 3", 23)
case("real", "", "1" + "0" * 48, mpf(10) ** 48)
case("real", "", "1" + "0" * 49, code(1))
case("real", "", "pi", PI)
case("real", "", "phi", (1 + mp.sqrt(5)) / 2)
case("real", "", "deg", DEG)
case("real", "", "360deg", 360 * DEG)
case("real", "", "ninf", mpf("-1e18"))
case("real", "", "pinf", mpf("1e18"))
case("real", "", "e", E)
case("real", "", "sin(90deg)", mp.sin(90 * DEG))
case("real", "r=2 z=3", "re(z)", 6 * E)
case("complex", "z=3,4", "re(z)", 3)
case("real", "x=3", "x\u00b2", 9)
case("real", "x=2", "x\u00b2\u00b2", 16)
# Groupings: @ is a variable, ARG is a name only with two arguments in real
# mode, a comma is not at ABS's level, / and * lean left, a superscript binds
# before the sum.
case("real", "@=2 x=5", "@x", 10)
case("real", "a=2 r=3 g=5 z=7", "arg(z)", 210)
case("real", "x=-3 y=-5", "abs(max(x,y))", 3)
case("real", "x=4 y=1 z=7", "min(x,max(y,z))", 4)
case("real", "a=8 b=2 c=4", "a/b*c", 16)
case("real", "x=3", "x \u00b2+1", 10)
case("real", "a=0 r=0 g=0", "arg(1)", 0)

# --- precedence ---------------------------------------------------------------
case("real", "", "1+2*3", 7)
case("real", "", "(1+2)*3", 9)
case("real", "", "2^3^2", 512)
case("real", "x=3", "-x^2", -9)
case("real", "", "-2^2", -4)
case("real", "", "(-2)^2", 4)
case("real", "", "2^-1", mpf("0.5"))
case("real", "x=3", "2^-x", mpf("0.125"))
case("real", "a=10 b=3 c=2", "a-b-c", 5)
case("real", "a=24 b=4 c=3", "a/b/c", 2)
case("real", "x=3", "--x", 3)
case("real", "x=3", "-(-x)", 3)
case("real", "x=3", "2*-x", -6)
case("real", "x=4", "x^-1", mpf("0.25"))
case("real", "x=2", "2x^2", 8)
case("real", "x=2 y=3", "x^y^0", 2)

# --- arithmetic guards ----------------------------------------------------------
case("real", "x=-3", "x^2", 9)
case("real", "", "(-8)^2", 64)
case("real", "", "(-8)^(1/3)", FAILS)
case("real", "", "0^0", 1)
case("real", "", "0^-1", FAILS)
case("real", "", "2^0.5", mp.sqrt(2))
case("real", "", "1/0", FAILS)
case("real", "x=1e-19", "1/x", FAILS)
case("real", "", "pinf*pinf", mpf("1e36"))
case("real", "", "pinf*pinf*pinf", mpf("1e54"))
case("real", "", "(pinf*pinf)*(pinf*pinf)", FAILS)
case("real", "x=1e-20 y=1e19", "x*y", mpf("0.1"))
case("real", "x=1e-30 y=1e19", "x*y", mpf("1e-11"))
case("real", "x=1e-60 y=1e19", "x*y", FAILS)
case("real", "x=0 y=1e19", "x*y", FAILS)
case("real", "", "pinf/ninf", -1)
case("real", "x=1e10 y=1e-10", "x/y", FAILS)
case("real", "x=1e-10 y=1e10", "x/y", 0)
case("real", "x=7", "x^1", 7)
case("real", "", "pow(3,1)", 1)
case("real", "", "pow(3,2)", 8)
case("real", "x=3", "power(2,x)", 9)
case("real", "", "1/tan(1)", mp.cot(1))
case("real", "x=0.5", "2/sin(x)", 2 * mp.csc(mpf("0.5")))
case("real", "x=0.5", "1/cosh(x)", mp.sech(mpf("0.5")))

# --- the function library in real mode -------------------------------------------
case("real", "", "abs(-3)", 3)
case("real", "", "abs(3,4)", 5)
case("real", "", "abs(1,2,2)", 3)
case("real", "", "sgn(0)", 1)
case("real", "", "sgn(-2)", -1)
case("real", "", "int(-2.3)", -2)
case("real", "", "frac(-2.3)", mpf("-2.3") + 2, tol=1e-14)
case("real", "", "floor(-2.3)", -3)
case("real", "", "ceil(-2.3)", -2)
case("real", "", "mod(-7,3)", 2)
case("real", "", "mod(7,-3)", 1)
case("real", "", "mod(1,0)", FAILS)
case("real", "", "mod(10,4,3)", 2)
case("real", "", "gcd(12,18)", 6)
case("real", "", "gcd(0.3,5)", 0)
case("real", "", "gcd(12,18,8)", 2)
case("real", "", "gcd(10000000000,5)", FAILS)
case("real", "", "max(1,5,3)", 5)
case("real", "", "min(4,-2,7)", -2)
case("real", "", "binom(5,2)", 10)
case("real", "", "binom(0.5,2)", mpf("-0.125"))
case("real", "", "binom(5,2.5)", FAILS)
case("real", "", "binom(5,0)", 1)
case("real", "", "binom(10,3)", 120)
case("real", "", "root(3,-8)", -2)
case("real", "", "root(2,-4)", FAILS)
case("real", "", "root(-2,4)", mpf("0.5"))
case("real", "", "root(0,4)", FAILS)
case("real", "", "root(3,0)", 0)
case("real", "", "root(-1,0)", FAILS)
case("real", "", "5!", 120)
case("real", "", "fact(5)", 120)
case("real", "x=4", "x!", 24)
case("real", "x=3", "2x!", 12)
case("real", "", "(2+3)!", 120)
case("real", "", "(3!)!", 720, tol=1e-14)
case("real", "", "3!!", code(6))
case("real", "", "sin(1)!", code(6))
case("real", "", "0!", 1, tol=1e-13)
case("real", "", "0.5!", mp.gamma(mpf("1.5")), tol=5e-13)
case("real", "", "(-0.5)!", mp.sqrt(mp.pi), tol=5e-13)
case("real", "", "170!", mp.factorial(170), tol=1e-14)
case("real", "", "1000!", FAILS)
case("real", "", "40000!", FAILS)
case("real", "", "(-1)!", FAILS)
case("real", "", "gamma(0.5)", mp.sqrt(mp.pi), tol=5e-13)
case("real", "", "gamma(5)", 24)
case("real", "", "gamma(-1.5)", mp.gamma(mpf("-1.5")), tol=1e-13)
case("real", "", "gamma(0)", FAILS)
case("real", "", "gamma(-2)", FAILS)
case("real", "", "gamma(-2.0005)", FAILS)
case("real", "", "gamma(-2.002)", mp.gamma(mpf("-2.002")), tol=1e-12)
case("real", "", "gamma(900)", FAILS)
case("real", "", "chi(1)", 0)
case("real", "", "exp(1)", E)
case("real", "", "exp(4999)", mp.exp(4999))
case("real", "", "exp(-6000)", 0)
case("real", "", "exp(6000)", FAILS)
case("real", "", "ln(e)", 1)
case("real", "", "ln(0)", FAILS)
case("real", "", "ln(-1)", FAILS)
case("real", "", "log(100)", 2)
case("real", "", "log(2,8)", 3)
case("real", "", "log(10,1000)", 3)
case("real", "", "lg(8)", code(6))
case("real", "", "sqrt(2)", mp.sqrt(2))
case("real", "", "sqr(9)", 3)
case("real", "", "sqrt(-1)", FAILS)
case("real", "", "sin(1)", mp.sin(1))
case("real", "", "cos(1)", mp.cos(1))
case("real", "", "tan(1)", mp.tan(1))
case("real", "", "sec(1)", mp.sec(1))
case("real", "", "csc(1)", mp.csc(1))
case("real", "", "cot(1)", mp.cot(1))
case("real", "", "tan(pi/2)", mp.tan(PI / 2))
case("real", "", "sin(6000000000000000000)", FAILS)
case("real", "", "cot(0)", FAILS)
case("real", "", "arcsin(0.5)", mp.asin(mpf("0.5")))
case("real", "", "arccos(0.5)", mp.acos(mpf("0.5")))
case("real", "", "arctan(1)", mp.atan(1))
case("real", "", "atn(-2)", mp.atan(-2))
case("real", "", "arccot(1)", HALF_PI - mp.atan(1))
case("real", "", "arccot(-1)", HALF_PI + mp.atan(1))
case("real", "", "arcsin(2)", FAILS)
case("real", "", "sinh(1)", mp.sinh(1))
case("real", "", "cosh(-2)", mp.cosh(-2))
case("real", "", "tanh(1)", mp.tanh(1))
case("real", "", "tanh(6000)", 1)
case("real", "", "tanh(-6000)", -1)
case("real", "", "sech(1)", mp.sech(1))
case("real", "", "sech(6000)", 0)
case("real", "", "coth(1)", mp.coth(1))
case("real", "", "coth(6000)", 1)
case("real", "", "csch(1)", mp.csch(1))
case("real", "", "csch(6000)", 0)
case("real", "", "coth(0)", FAILS)
case("real", "", "sinh(5000)", FAILS)
case("real", "", "argsinh(1)", mp.asinh(1))
case("real", "", "argsinh(-3)", mp.asinh(-3))
case("real", "", "argcosh(2)", mp.acosh(2))
case("real", "", "argcosh(0.5)", FAILS)
case("real", "", "argtanh(0.5)", mp.atanh(mpf("0.5")))
case("real", "", "argtanh(1)", FAILS)
case("real", "", "argcoth(2)", mp.acoth(2))
case("real", "", "argcoth(-2)", mp.acoth(-2))
case("real", "", "argcoth(0.5)", FAILS)
case("real", "", "arg(-1,0)", arg(-1, 0))
case("real", "", "arg(0,-2)", -HALF_PI)
case("real", "", "cis(pi)", mpc(mp.cos(PI), mp.sin(PI)))
case("real", "", "rand(0)", 0)
case("real", "", "1|2", 0)

# --- ITER, SUM, PROD and the JOIN pieces --------------------------------------------
case("real", "x=2", "iter(3,x^2)", 256, after="X=2")
case("real", "x=0", "iter(3,x+1)", 3, after="X=0")
case("real", "x=0", "iter(2.4,x+1)", 2)
case("real", "x=2", "iter(1,x*3)", 6)
case("real", "x=5", "iter(3,x/0)", FAILS, after="X=5")
case("real", "", "iter(0,x)", code(17))
case("real", "n=3", "iter(n,x)", code(17))
case("real", "", "iter(-1,x)", code(17))
case("real", "", "iter(1+1,x)", code(17))
case("real", "x=0", "iter(2.6,x+1)", 3)
case("real", "", "iter(2147483648,x)", code(17))
case("real", "", "iter(1,2,x)", code(101))
case("real", "", "prod(pinf*pinf,k,1,2)", FAILS)
case("real", "", "sum(n,nn,1,2)", code(1))
case("real", "", "sum n", 0)
case("real", "", "sum(n,pi,1,10)", code(17))
case("real", "", "sum(n,@,1,10)", code(17))
case("real", "", "sum(k,k,max(1,2),3)", code(1))
case("real", "", "sum(n,n,1,10)", 55, after="N=10")
case("real", "", "prod(k,k,1,5)", 120, after="K=5")
case("real", "", "sum(k,k,3,1)", FAILS)
case("real", "", "sum(k,k,1.5,3)", FAILS)
case("real", "", "sum(1/n^2,n,1,100)", sum(mpf(1) / (n * n) for n in range(1, 101)))
case("real", "", "sum(k,k,-2,2)", 0)
case("real", "", "prod(2,k,1,10)", 1024)
case("real", "x=2", "sum(x,k,1,3)", 6)
case("real", "", "sum(k,k,1,3)+k", 9)
case("real", "", "sum(k*sum(j,j,1,k),k,1,3)", 25)
case("real", "", "sum(k,k,sum(j,j,1,2),5)", 12)
case("real", "", "sum(n,1,1,10)", code(17))
case("real", "", "sum(n,n,1)", code(1))
case("real", "", "sum(n,n+1,1,10)", code(1))
case("real", "", "sum(n)", code(1))
case("real", "", "prod(k,k,1,5", code(108))
case("real", "", "sum(i,i,1,3)", 6, after="I=3")
# In complex mode i is the imaginary unit: a summand may use it, an index may not.
case("complex", "", "sum(i*k,k,1,2)", mpc(0, 3))
case("complex", "", "sum(k,i,1,2)", code(1))
case("complex", "", "PROD(K, I, 1, 3)", code(1))
case("complex", "", "sum(1/n^c,i,1,050)+prod(RNDk,k,0,1)", code(1))
case("real", "x=0", "joinx(x+1|0,1-x^2|2,-1)", 1)
case("real", "x=1", "joinx(x+1|0,1-x^2|2,-1)", 0)
case("real", "x=2", "joinx(x+1|0,1-x^2|2,-1)", -1)
case("real", "x=-1", "joinx(x+1|0,1-x^2|2,-1)", 0)
case("real", "t=-1", "joint(1|0,2)", 1)
case("real", "t=0", "joint(1|0,2)", 2)
case("real", "x=1", "joinx(1/0|0,5)", 5)
case("real", "x=-1", "joinx(1/0|0,5)", FAILS)
case("real", "x=-1", "joinx(1|1/0,5)", FAILS)
case("real", "x=-1", "joinx(1,2)", 1)
case("real", "x=1", "joinx(1,2)", 2)
case("real", "u=-3", "joinu(u|0,-u)", -3)
case("real", "u=3", "joinu(u|0,-u)", -3)
case("real", "r=1.5", "joinr(1|1,2|2,3)", 2)

# --- the codes of the compiler ---------------------------------------------------------
case("real", "", "x#1", code(1))
case("real", "", "", code(9))
case("real", "", "   ", code(9))
case("real", "", "(x+1))", code(108))
case("real", "", "(x", code(108))
case("real", "", ")x(", code(108))
case("real", "", "!5", code(1))
case("real", "", "max(1)", code(6))
case("real", "", "sin(1,2)", code(1))
case("real", "", "root(2,3,4)", code(101))
case("real", "", "1,2", code(1))
case("real", "", "abs(,3)", code(1))
case("real", "", "x=2", code(1))
case("real", "", "caf\u00e9", code(1))
case("real", "", "x\u00b3", code(1))
case("real", "", "sin()", code(6))
case("real", "", "sin", code(6))
case("real", "", "x++1", code(6))
case("real", "", "*x", code(6))
case("real", "", "x*", code(6))
case("real", "", "-", code(6))

# --- complex mode ------------------------------------------------------------------------
case("complex", "z=3,4", "x*x+y*y", 25)
case("complex", "i=2 j=3", "i+j", mpc(3, 1))
case("real", "i=2 j=3", "i+j", 5)
case("complex", "i=3", "2*i", mpc(0, 2))
case("complex", "", "i*i", -1)
case("complex", "", "(1+2i)*(3-i)", mpc(5, 5))
case("complex", "", "(1+2i)/(3-i)", mpc(mpf("0.1"), mpf("0.7")))
case("complex", "z=1e-12", "1/z", mpf("1e12"))
case("complex", "z=1e-10,1e-10", "1/z", mpc(mpf("5e9"), mpf("-5e9")))
case("complex", "z=1e-19", "1/z", FAILS)
case("complex", "z=1,1", "z^2", mpc(0, 2))
case("complex", "z=-4", "z^0.5", 2 * mpc(mp.cos(PI / 2), mp.sin(PI / 2)))
case("complex", "", "sqrt(-4)", 2 * mpc(mp.cos(PI / 2), mp.sin(PI / 2)))
case("complex", "", "ln(-1)", mpc(0, PI))
case("complex", "", "ln(0)", FAILS)
case("complex", "", "exp(i*pi)", mpc(mp.cos(PI), mp.sin(PI)))
case("complex", "z=3,4", "abs(z)", 5)
case("complex", "z=3,4", "sgn(z)", mpc(mpf("0.6"), mpf("0.8")))
case("complex", "z=3,4", "im(z)", 4)
case("complex", "z=3,4", "conj(z)", mpc(3, -4))
case("complex", "z=3,4", "arg(z)", arg(3, 4))
case("complex", "z=-1,-1", "arg(z)", arg(-1, -1))
case("complex", "z=3,4", "fact(z)", 6)
case("complex", "z=3,4", "int(z)", 3)
case("complex", "z=1,1", "cis(z)", mp.exp(mpc(-1, 1)))
case("complex", "z=1,1", "gamma(z)", mp.gamma(mpc(1, 1)), tol=1e-12)
case("complex", "z=-1.5,0.5", "gamma(z)", mp.gamma(mpc(-1.5, 0.5)), tol=1e-12)

Z_POINTS = [mpc(mpf("0.5"), mpf("0.3")), mpc(mpf("-1.2"), mpf("0.7")), mpc(mpf("0.8"), mpf("-1.1"))]
COMPLEX_FUNCTIONS = [
    ("sin", mp.sin), ("cos", mp.cos), ("tan", mp.tan), ("sec", mp.sec), ("csc", mp.csc),
    ("cot", mp.cot), ("sinh", mp.sinh), ("cosh", mp.cosh), ("tanh", mp.tanh),
    ("sech", mp.sech), ("csch", mp.csch), ("coth", mp.coth), ("arcsin", mp.asin),
    ("arccos", mp.acos), ("arctan", mp.atan), ("arccot", lambda z: HALF_PI - mp.atan(z)),
    ("argsinh", mp.asinh), ("argcosh", mp.acosh), ("argtanh", mp.atanh),
    ("argcoth", mp.acoth), ("exp", mp.exp), ("ln", mp.log), ("log", mp.log10),
    ("sqrt", mp.sqrt),
]
for point in Z_POINTS:
    variables = "z=%s,%s" % (mp.nstr(point.real, 5), mp.nstr(point.imag, 5))
    for name, function in COMPLEX_FUNCTIONS:
        case("complex", variables, name + "(z)", function(point))


def number(value):
    return mp.nstr(mpf(value), 30, min_fixed=-5, max_fixed=30)


def expected_text(expected):
    if expected == FAILS:
        return "fails"
    if isinstance(expected, tuple):
        return "code %d" % expected[1]
    value = mpc(expected)
    if value.imag == 0:
        return number(value.real)
    return number(value.real) + "," + number(value.imag)


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "scalar_cases.txt")
    with open(path, "w", encoding="utf-8") as out:
        out.write("# Scalar formulas and their values; written by generate_scalar_cases.py.\n")
        for mode, variables, formula, expected, tol, after in cases:
            head = mode + (" " + variables if variables else "")
            line = "%s :: %s => %s" % (head, formula, expected_text(expected))
            if tol is not None:
                line += " tol %g" % tol
            if after is not None:
                line += " after " + after
            out.write(line + "\n")
    print("%d cases" % len(cases))


main()
