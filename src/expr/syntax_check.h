#pragma once

#include <utility>
#include <vector>

#include "engine/result_codes.h"
#include "expr/character_classes.h"
#include "expr/symbol_codes.h"

// The last token pass that both formula compilers share: implicit products
// are made explicit, and every token must stand between neighbours that its
// role allows.
namespace lorvex {

namespace syntax_detail {

inline bool endsOperand(const CharacterClasses& c, int code) {
    return code == symbol::CONST || code == symbol::CLOSE ||
           CharacterClasses::in(c.LetterClass, code);
}

inline bool startsFactor(const CharacterClasses& c, int code) {
    return code == symbol::CONST || code == symbol::OPEN ||
           CharacterClasses::in(c.LetterClass, code) || CharacterClasses::in(c.UnaryClass, code);
}

// Rules (a) to (f): the places where each kind of token may stand.
inline bool fitsBetween(const CharacterClasses& c, int code, int prev, int next) {
    const auto in = [](const CharacterClasses::Table& table, int x) {
        return CharacterClasses::in(table, x);
    };
    const bool prevIsOperand = endsOperand(c, prev);
    const bool nextEndsOperand =
        next == c.sentinel || next == symbol::CLOSE || in(c.BinaryClass, next);
    if (code == symbol::OPEN && (in(c.UnaryClass, prev) || in(c.OperandExpected, prev)) &&
        in(c.OperandStart, next))
        return true;
    if (code == symbol::CLOSE && prevIsOperand && nextEndsOperand) return true;
    if ((code == symbol::CONST || in(c.LetterClass, code)) && in(c.OperandExpected, prev) &&
        nextEndsOperand)
        return true;
    if (in(c.BinaryClass, code) && prevIsOperand && in(c.OperandStart, next)) return true;
    if (code == symbol::NEG &&
        (prev == symbol::CONST || in(c.LetterClass, prev) || in(c.OperandExpected, prev)) &&
        in(c.OperandStart, next))
        return true;
    return in(c.UnaryClass, code) && in(c.OperandExpected, prev) && next == symbol::OPEN;
}

}  // namespace syntax_detail

// Inserts a "*" after every constant, ")" or letter that is followed by a
// constant, "(", a letter or a one-argument operator ("2X", "X(Y)", ")(",
// "2SIN(X)"), then checks every token against its neighbours. Returns
// code::Ok, code::NothingToDo for an empty sequence or code::InconsistentData
// for a token that fits none of the rules. Token needs an int member `code`.
template <class Token>
[[nodiscard]] int insertProductsAndCheckSyntax(std::vector<Token>& tokens,
                                               const CharacterClasses& classes) {
    using namespace syntax_detail;
    if (tokens.empty()) return code::NothingToDo;
    std::vector<Token> out;
    out.reserve(2 * tokens.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const int current = tokens[i].code;
        const int prev = out.empty() ? classes.sentinel : out.back().code;
        const int next = i + 1 < tokens.size() ? tokens[i + 1].code : classes.sentinel;
        // The inserted "*" always fits: an operand before it, a factor after it.
        const bool product = endsOperand(classes, current) && startsFactor(classes, next);
        if (!fitsBetween(classes, current, prev, product ? symbol::TIMES : next))
            return code::InconsistentData;
        out.push_back(std::move(tokens[i]));
        if (product) {
            Token times{};
            times.code = symbol::TIMES;
            out.push_back(std::move(times));
        }
    }
    tokens = std::move(out);
    return code::Ok;
}

}  // namespace lorvex
