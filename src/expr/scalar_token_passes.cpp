#include <string>

#include "engine/result_codes.h"
#include "expr/character_classes.h"
#include "expr/formula_text.h"
#include "expr/postfix_rewrite.h"
#include "expr/scalar_arithmetic.h"
#include "expr/scalar_compiler.h"
#include "expr/symbol_codes.h"

namespace lorvex::scalar_compiler {
namespace {

using namespace symbol;

constexpr std::size_t kLongestNumber = 49;

bool isNumberCharacter(int code) {
    return code == POINT || (code >= '0' && code <= '9');
}

bool takesArguments(int code) {
    const CharacterClasses& c = scalarClasses();
    return CharacterClasses::in(c.TwoArgClass, code) || CharacterClasses::in(c.MultiArgClass, code);
}

ExprToken tokenOf(int code) {
    ExprToken token;
    token.code = code;
    return token;
}

}  // namespace

int makeTokens(const std::string& work, std::vector<ExprToken>& tokens) {
    tokens.clear();
    tokens.reserve(work.size());
    for (const char c : work) {
        const int code = static_cast<unsigned char>(c);
        if (!CharacterClasses::in(scalarClasses().ValidChar, code)) return code::NotUnderstood;
        tokens.push_back(tokenOf(code));
    }
    return tokens.empty() ? code::NothingToDo : code::Ok;
}

void replaceNamedConstants(std::vector<ExprToken>& tokens) {
    // PI and DEG are the double-precision values of pi and pi/180.
    constexpr double pi = 3.141592653589793;
    for (ExprToken& token : tokens) {
        long double value = 0;
        switch (token.code) {
            case PI:
                value = pi;
                break;
            case PHI:
                value = scalar::constants().goldenRatio;
                break;
            case NINF:
                value = -scalar::kLarge;
                break;
            case PINF:
                value = scalar::kLarge;
                break;
            case DEG:
                value = pi / 180.0;
                break;
            default:
                continue;
        }
        token.code = CONST;
        token.value = Complex{value, 0.0L};
    }
}

int readNumbers(std::vector<ExprToken>& tokens) {
    std::vector<ExprToken> out;
    out.reserve(tokens.size());
    for (std::size_t i = 0; i < tokens.size();) {
        if (!isNumberCharacter(tokens[i].code)) {
            out.push_back(tokens[i++]);
            continue;
        }
        std::string run;
        while (i < tokens.size() && isNumberCharacter(tokens[i].code))
            run += static_cast<char>(tokens[i++].code);
        if (run.size() > kLongestNumber) return code::NotUnderstood;
        ExprToken number = tokenOf(CONST);
        number.value = Complex{readDecimal(run), 0.0L};
        out.push_back(number);
    }
    tokens = std::move(out);
    return code::Ok;
}

int rewriteFactorials(std::vector<ExprToken>& tokens) {
    return rewritePostfixOperator(tokens, FACTORIAL, FACT);
}

int convertCommas(std::vector<ExprToken>& tokens) {
    std::vector<std::size_t> unclosed;
    for (std::size_t at = 0; at < tokens.size(); ++at) {
        ExprToken& token = tokens[at];
        if (token.code == OPEN) unclosed.push_back(at);
        if (token.code == CLOSE && !unclosed.empty()) unclosed.pop_back();
        if (token.code != COMMA) continue;
        if (unclosed.empty() || unclosed.back() == 0) return code::NotUnderstood;
        ExprToken& function = tokens[unclosed.back() - 1];
        if (!takesArguments(function.code)) return code::NotUnderstood;
        token.code = function.code;
        ++function.count;
    }
    const CharacterClasses& c = scalarClasses();
    for (const ExprToken& token : tokens) {
        if (CharacterClasses::in(c.TwoArgClass, token.code) && token.count > 1)
            return code::CannotCalculate;
    }
    std::erase_if(tokens, [](const ExprToken& token) {
        return takesArguments(token.code) && token.count >= 1;
    });
    return code::Ok;
}

void dropOuterParentheses(std::vector<ExprToken>& tokens) {
    if (tokens.size() == 3 && tokens.front().code == OPEN && tokens.back().code == CLOSE)
        tokens = {tokens[1]};
}

}  // namespace lorvex::scalar_compiler
