#pragma once

// The symbol codes of both expression languages. A formula is rewritten into
// a sequence of these codes: printable characters stand for themselves, and
// the bytes 128 and up are the compilers' own codes for functions and
// operators that have no single character. They never come from the user:
// every character of a typed formula outside ASCII is refused.
namespace lorvex::symbol {

inline constexpr int SENTINEL = 7;  // start or end of the tokens in the scalar syntax check
inline constexpr int FACTORIAL = '!';
inline constexpr int CONST = '#';
inline constexpr int APOSTROPHE = '\'';
inline constexpr int OPEN = '(';
inline constexpr int CLOSE = ')';
inline constexpr int TIMES = '*';
inline constexpr int PLUS = '+';
inline constexpr int COMMA = ',';
inline constexpr int MINUS = '-';
inline constexpr int POINT = '.';
inline constexpr int DIVIDE = '/';
inline constexpr int CARET = '^';
inline constexpr int BAR = '|';
inline constexpr int AT =
    '@';  // the letter before "A": a scalar variable, the calculation sentinel

inline constexpr int ARCTAN = 128;
inline constexpr int TAN = 129;
inline constexpr int COS = 130;
inline constexpr int EXP = 131;
inline constexpr int FACT = 132;
inline constexpr int INT = 133;
inline constexpr int SINH = 134;
inline constexpr int COSH = 135;
inline constexpr int TANH = 136;
inline constexpr int ARCCOS = 137;
inline constexpr int LN = 138;
inline constexpr int ABS = 139;
inline constexpr int ARCSIN = 140;
inline constexpr int SIN = 142;
inline constexpr int SEC = 143;
inline constexpr int CSC = 144;
inline constexpr int COT = 145;
inline constexpr int NEG = 146;
inline constexpr int ARG = 147;
inline constexpr int SGN = 148;
inline constexpr int FRAC = 149;
inline constexpr int LOG = 150;
inline constexpr int ITER = 151;
inline constexpr int ROOT = 152;
inline constexpr int MAX = 153;
inline constexpr int MIN = 154;
inline constexpr int SECH = 155;
inline constexpr int COTH = 156;
inline constexpr int CSCH = 157;
inline constexpr int POWER = 158;
inline constexpr int BINOM = 159;
inline constexpr int SUM = 161;
inline constexpr int PROD = 162;
inline constexpr int RAND = 163;
inline constexpr int GAMMA = 169;
inline constexpr int CIS = 170;
inline constexpr int RE = 171;
inline constexpr int IM = 172;
inline constexpr int CONJ = 173;
inline constexpr int NINF = 175;
inline constexpr int PINF = 176;
inline constexpr int CHI = 177;
inline constexpr int JOINX = 180;
inline constexpr int JOINT = 181;
inline constexpr int JOINR = 182;
inline constexpr int JOINU = 183;
inline constexpr int ABS2 = 190;
inline constexpr int ARG2 = 191;
inline constexpr int FLOOR = 195;
inline constexpr int CEIL = 196;
inline constexpr int MOD = 208;
inline constexpr int GCD = 209;
inline constexpr int ARGSINH = 210;
inline constexpr int ARGCOSH = 211;
inline constexpr int ARGTANH = 212;
inline constexpr int ARGCOTH = 213;
inline constexpr int ARCCOT = 214;
inline constexpr int LG = 215;
inline constexpr int SUMTERM = 220;
inline constexpr int SUMRANGE = 221;
inline constexpr int TRANSPOSE = 226;
inline constexpr int PI = 227;
inline constexpr int PHI = 232;
inline constexpr int SQRT = 251;
inline constexpr int DEG = 255;

inline constexpr bool isJoin(int code) {
    return code >= JOINX && code <= JOINU;
}

}  // namespace lorvex::symbol
