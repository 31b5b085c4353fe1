#pragma once

#include <algorithm>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "engine/result_codes.h"
#include "expr/character_classes.h"
#include "expr/symbol_codes.h"

// The tree-building pass that both formula compilers share.
namespace lorvex {

// One precedence level: the operators it reduces and the direction in which
// the sequence is searched for them.
struct ReductionLevel {
    CharacterClasses::Table members{};
    bool rightToLeft = false;
};

// A token on its way into the tree: a parenthesis, an operand (a constant, a
// letter or an operator already reduced, all with code CONST or a letter) or
// an operator still waiting for its operands.
template <class Node>
struct BuildItem {
    int code = 0;
    std::unique_ptr<Node> node;
};

namespace tree_detail {

template <class Node>
bool isOperand(const CharacterClasses& classes, const BuildItem<Node>& item) {
    return item.code == symbol::CONST || CharacterClasses::in(classes.LetterClass, item.code);
}

// Each operator of the level takes the operand after it as its second child
// and, when it is binary, the operand before it as its first, then counts as
// an operand itself. Searching from one end and starting again after each
// reduction finds the operators in the order of one pass in that direction.
template <class Node>
[[nodiscard]] int reduceLevel(std::vector<BuildItem<Node>>& items, const ReductionLevel& level,
                              const CharacterClasses& classes) {
    const auto isMember = [&](int code) { return CharacterClasses::in(level.members, code); };
    const auto isBinary = [&](int code) { return CharacterClasses::in(classes.BinaryClass, code); };
    std::vector<BuildItem<Node>> out;
    out.reserve(items.size());
    if (!level.rightToLeft) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            BuildItem<Node>& item = items[i];
            if (!isMember(item.code)) {
                out.push_back(std::move(item));
                continue;
            }
            if (i + 1 == items.size() || !isOperand(classes, items[i + 1]))
                return code::InconsistentData;
            item.node->second = std::move(items[i + 1].node);
            if (isBinary(item.code)) {
                if (out.empty() || !isOperand(classes, out.back())) return code::InconsistentData;
                item.node->first = std::move(out.back().node);
                out.pop_back();
            }
            item.code = symbol::CONST;
            out.push_back(std::move(item));
            ++i;
        }
    } else {
        // Built from the right end: out.back() is the item right of the current one.
        for (std::size_t i = items.size(); i-- > 0;) {
            BuildItem<Node>& item = items[i];
            if (!isMember(item.code)) {
                out.push_back(std::move(item));
                continue;
            }
            if (out.empty() || !isOperand(classes, out.back())) return code::InconsistentData;
            item.node->second = std::move(out.back().node);
            out.pop_back();
            if (isBinary(item.code)) {
                if (i == 0 || !isOperand(classes, items[i - 1])) return code::InconsistentData;
                item.node->first = std::move(items[i - 1].node);
                --i;
            }
            item.code = symbol::CONST;
            out.push_back(std::move(item));
        }
        std::reverse(out.begin(), out.end());
    }
    items = std::move(out);
    return code::Ok;
}

// Reduces a sequence without parentheses, level by level, to one operand.
template <class Node>
[[nodiscard]] int reduceGroup(std::vector<BuildItem<Node>>& items,
                              std::span<const ReductionLevel> levels,
                              const CharacterClasses& classes, BuildItem<Node>& result) {
    for (const ReductionLevel& level : levels) {
        if (const int rc = reduceLevel(items, level, classes); rc != code::Ok) return rc;
    }
    if (items.size() != 1 || !isOperand(classes, items.front())) return code::InconsistentData;
    result = std::move(items.front());
    return code::Ok;
}

}  // namespace tree_detail

// Builds the tree of a checked token sequence: every parenthesised group is
// reduced, innermost first, to the one operand it stands for, and then the
// whole sequence. Groups reduce independently of each other, so reducing
// each one when its ")" is reached gives the same tree as searching for the
// innermost group again and again. Parenthesis items carry no node. Returns
// code::Ok with the root, or code::InconsistentData when a sequence does not
// reduce to one operand.
template <class Node>
[[nodiscard]] int buildTree(std::vector<BuildItem<Node>> items,
                            std::span<const ReductionLevel> levels, const CharacterClasses& classes,
                            std::unique_ptr<Node>& root) {
    std::vector<std::vector<BuildItem<Node>>> groups(1);
    for (BuildItem<Node>& item : items) {
        if (item.code == symbol::OPEN) {
            groups.emplace_back();
        } else if (item.code == symbol::CLOSE) {
            if (groups.size() < 2) return code::InconsistentData;
            BuildItem<Node> reduced;
            const int rc = tree_detail::reduceGroup(groups.back(), levels, classes, reduced);
            if (rc != code::Ok) return rc;
            groups.pop_back();
            groups.back().push_back(std::move(reduced));
        } else {
            groups.back().push_back(std::move(item));
        }
    }
    if (groups.size() != 1) return code::InconsistentData;
    BuildItem<Node> top;
    const int rc = tree_detail::reduceGroup(groups.front(), levels, classes, top);
    if (rc != code::Ok) return rc;
    root = std::move(top.node);
    return code::Ok;
}

}  // namespace lorvex
