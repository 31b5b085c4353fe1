#include <array>
#include <cmath>
#include <span>

#include "engine/result_codes.h"
#include "expr/character_classes.h"
#include "expr/scalar_arithmetic.h"
#include "expr/scalar_compiler.h"
#include "expr/symbol_codes.h"
#include "expr/tree_builder.h"
#include "expr/tree_walk.h"

namespace lorvex::scalar_compiler {
namespace {

using namespace symbol;

ReductionLevel level(std::initializer_list<int> codes, bool rightToLeft = false) {
    ReductionLevel result;
    result.rightToLeft = rightToLeft;
    for (int code : codes)
        result.members[static_cast<unsigned>(code)] = true;
    return result;
}

// Prefix functions bind tightest, then NEG and "^" (from the right), "*" and
// "/", "+" and "-", the JOIN piece bar, the JOIN chain (from the right), the
// series and last the argument separators of the other functions.
std::array<ReductionLevel, 8> buildLevels() {
    const CharacterClasses& c = scalarClasses();
    std::array<ReductionLevel, 8> levels{
        level({}),
        level({NEG, CARET}, true),
        level({TIMES, DIVIDE}),
        level({PLUS, MINUS}),
        level({BAR}),
        level({JOINX, JOINT, JOINR, JOINU}, true),
        level({SUM, PROD, SUMTERM, SUMRANGE}),
        level({}),
    };
    for (std::size_t code = 0; code < 256; ++code) {
        levels[0].members[code] = c.UnaryClass[code] && code != NEG;
        levels[7].members[code] =
            (c.TwoArgClass[code] || c.MultiArgClass[code]) && !isJoin(static_cast<int>(code));
    }
    return levels;
}

std::unique_ptr<ExprNode> constant(long double value) {
    return std::make_unique<ExprNode>(CONST, Complex{value, 0.0L});
}

}  // namespace

int buildTree(std::vector<ExprToken>& tokens, std::unique_ptr<ExprNode>& root) {
    static const std::array<ReductionLevel, 8> levels = buildLevels();
    std::vector<BuildItem<ExprNode>> items;
    items.reserve(tokens.size());
    for (const ExprToken& token : tokens) {
        BuildItem<ExprNode> item{token.code, nullptr};
        if (token.code != OPEN && token.code != CLOSE)
            item.node = std::make_unique<ExprNode>(token.code, token.value);
        items.push_back(std::move(item));
    }
    return lorvex::buildTree<ExprNode>(std::move(items), levels, scalarClasses(), root);
}

void rewriteNegations(ExprNode& root) {
    visitBottomUp(root, [](ExprNode& node) {
        if (node.code != NEG) return;
        if (node.second->code == CONST) {
            node.value = -node.second->value;
            node.code = CONST;
            node.second.reset();
        } else {
            node.code = TIMES;
            node.first = constant(-1.0L);
        }
    });
}

int checkCountsAndIndices(ExprNode& root) {
    int result = code::Ok;
    visitBottomUp(root, [&](ExprNode& node) {
        if (node.code == ITER) {
            const ExprNode& count = *node.first;
            if (count.code != CONST || !(count.value.re >= 1) ||
                !(count.value.re <= scalar::kIntegerLimit)) {
                result = code::OutOfRange;
                return;
            }
            node.count = static_cast<std::int32_t>(std::round(count.value.re));
        }
        if (node.code == SUMTERM && !(node.second->code >= 'A' && node.second->code <= 'Z'))
            result = code::OutOfRange;
    });
    return result;
}

void attachJoinPieces(ExprNode& root) {
    visitBottomUp(root, [](ExprNode& node) {
        if (!isJoin(node.code) || node.first->code != BAR) return;
        std::unique_ptr<ExprNode> piece = std::move(node.first);
        node.first = std::move(piece->first);
        node.third = std::move(piece->second);
    });
}

void rewriteLogarithms(ExprNode& root) {
    visitBottomUp(root, [](ExprNode& node) {
        if (node.code != LG) return;
        auto lnOf = [](std::unique_ptr<ExprNode> argument) {
            auto ln = std::make_unique<ExprNode>(LN, ZERO);
            ln->second = std::move(argument);
            return ln;
        };
        std::unique_ptr<ExprNode> base = std::move(node.first);
        node.code = DIVIDE;
        node.first = lnOf(std::move(node.second));
        node.second = lnOf(std::move(base));
    });
}

}  // namespace lorvex::scalar_compiler
