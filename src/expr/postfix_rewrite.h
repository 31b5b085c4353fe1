#pragma once

#include <cstddef>
#include <limits>
#include <vector>

#include "engine/result_codes.h"
#include "expr/symbol_codes.h"

namespace lorvex {

// Turns every postfix operator token ("!" of factorials, "'" of transposes)
// into a prefix one: after ")" the prefix goes before the matching "(", and
// any other single token before it is put in parentheses first, so "x!" is
// FACT(x) and "(a+b)'" is TRANSPOSE(a+b). Returns code::Ok, or
// code::NotUnderstood for a postfix operator with nothing before it or a ")"
// before it that closes nothing.
//
// One pass: a prefix that goes before an earlier "(" is counted on that
// token and written out at the end, so no token is moved more than once.
// Token needs an int member `code` and a default constructor.
template <class Token>
[[nodiscard]] int rewritePostfixOperator(std::vector<Token>& tokens, int postfix, int prefix) {
    constexpr std::size_t none = std::numeric_limits<std::size_t>::max();
    std::vector<Token> out;
    std::vector<std::size_t> prefixesBefore;  // per token of out
    std::vector<std::size_t> openFor;         // per token of out: a ")"'s "("
    std::vector<std::size_t> unclosed;
    const auto push = [&](Token token) {
        std::size_t open = none;
        if (token.code == symbol::OPEN) unclosed.push_back(out.size());
        if (token.code == symbol::CLOSE && !unclosed.empty()) {
            open = unclosed.back();
            unclosed.pop_back();
        }
        out.push_back(std::move(token));
        prefixesBefore.push_back(0);
        openFor.push_back(open);
    };
    const auto tokenOf = [](int code) {
        Token token{};
        token.code = code;
        return token;
    };
    out.reserve(2 * tokens.size());
    for (Token& token : tokens) {
        if (token.code != postfix) {
            push(std::move(token));
            continue;
        }
        if (out.empty()) return code::NotUnderstood;
        if (out.back().code == symbol::CLOSE) {
            if (openFor.back() == none) return code::NotUnderstood;
            ++prefixesBefore[openFor.back()];
            continue;
        }
        Token operand = std::move(out.back());
        if (operand.code == symbol::OPEN) unclosed.pop_back();
        out.pop_back();
        prefixesBefore.pop_back();
        openFor.pop_back();
        push(tokenOf(prefix));
        push(tokenOf(symbol::OPEN));
        push(std::move(operand));
        push(tokenOf(symbol::CLOSE));
    }
    tokens.clear();
    for (std::size_t k = 0; k < out.size(); ++k) {
        for (std::size_t n = 0; n < prefixesBefore[k]; ++n)
            tokens.push_back(tokenOf(prefix));
        tokens.push_back(std::move(out[k]));
    }
    return code::Ok;
}

}  // namespace lorvex
