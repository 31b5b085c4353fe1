#include "expr/name_table.h"

#include <array>

#include "expr/symbol_codes.h"

namespace lorvex {
namespace {

struct Name {
    std::string_view text;
    int code;
};

using namespace symbol;

constexpr std::array<Name, 64> kNames{{
    {"ARCTAN", ARCTAN},   {"ATN", ARCTAN},      {"TAN", TAN},         {"COS", COS},
    {"EXP", EXP},         {"FACT", FACT},       {"INT", INT},         {"SINH", SINH},
    {"COSH", COSH},       {"TANH", TANH},       {"ARCCOS", ARCCOS},   {"LN", LN},
    {"ABS", ABS},         {"ARCSIN", ARCSIN},   {"SIN", SIN},         {"SEC", SEC},
    {"CSC", CSC},         {"COT", COT},         {"ARG", ARG},         {"SGN", SGN},
    {"FRAC", FRAC},       {"LOG", LOG},         {"ITER", ITER},       {"ROOT", ROOT},
    {"MAX", MAX},         {"MIN", MIN},         {"SECH", SECH},       {"COTH", COTH},
    {"CSCH", CSCH},       {"POW", POWER},       {"BINOM", BINOM},     {"SUM", SUM},
    {"PROD", PROD},       {"RAND", RAND},       {"RND", RAND},        {"RANDOM", RAND},
    {"GAMMA", GAMMA},     {"CIS", CIS},         {"RE", RE},           {"IM", IM},
    {"CONJ", CONJ},       {"NINF", NINF},       {"PINF", PINF},       {"CHI", CHI},
    {"JOINX", JOINX},     {"JOINT", JOINT},     {"JOINR", JOINR},     {"JOINU", JOINU},
    {"FLOOR", FLOOR},     {"CEIL", CEIL},       {"MOD", MOD},         {"GCD", GCD},
    {"ARGSINH", ARGSINH}, {"ARGCOSH", ARGCOSH}, {"ARGTANH", ARGTANH}, {"ARGCOTH", ARGCOTH},
    {"ARCCOT", ARCCOT},   {"LG", LG},           {"PI", PI},           {"PHI", PHI},
    {"SQR", SQRT},        {"SQRT", SQRT},       {"DEG", DEG},         {"POWER", POWER},
}};

bool complexOnly(int code) {
    return code == RE || code == IM || code == CONJ;
}

}  // namespace

std::optional<int> lookUpName(std::string_view name, bool complexMode) {
    for (const Name& entry : kNames) {
        if (entry.text != name) continue;
        if (complexOnly(entry.code) && !complexMode) return std::nullopt;
        return entry.code;
    }
    return std::nullopt;
}

}  // namespace lorvex
