#pragma once

#include <memory>
#include <utility>
#include <vector>

// Walks and release of the formula trees without recursion: a formula of a
// few thousand characters can nest thousands of levels deep ("x²²²…",
// "----x"), more than the call stack should be trusted with.
namespace lorvex {

template <class Node>
concept HasThirdChild = requires(Node node) {
    node.third;
};

// Releases a tree with constant extra memory: a node whose left child
// (first, then third) is set is rotated so that the child comes on top;
// a node without one is deleted after its right child (second) is taken
// out. Every node is deleted without children, so no destructor recurses.
template <class Node>
void releaseIteratively(std::unique_ptr<Node> node) noexcept {
    while (node) {
        std::unique_ptr<Node>* left = &node->first;
        if constexpr (HasThirdChild<Node>) {
            if (!*left) left = &node->third;
        }
        if (*left) {
            std::unique_ptr<Node> child = std::move(*left);
            *left = std::move(child->second);
            child->second = std::move(node);
            node = std::move(child);
        } else {
            node = std::move(node->second);
        }
    }
}

// Calls visit on every node of the tree, children (first, third, second)
// before their parent. A node for which skip is true is not visited, and
// neither is anything below it. visit may change the node it is given and
// what hangs below it.
template <class Node, class Skip, class Visit>
void visitBottomUp(Node& root, Skip&& skip, Visit&& visit) {
    std::vector<std::pair<Node*, bool>> pending{{&root, false}};
    while (!pending.empty()) {
        auto [node, expanded] = pending.back();
        if (expanded) {
            pending.pop_back();
            visit(*node);
            continue;
        }
        if (skip(*node)) {
            pending.pop_back();
            continue;
        }
        pending.back().second = true;
        if (node->second) pending.emplace_back(node->second.get(), false);
        if constexpr (HasThirdChild<Node>) {
            if (node->third) pending.emplace_back(node->third.get(), false);
        }
        if (node->first) pending.emplace_back(node->first.get(), false);
    }
}

template <class Node, class Visit>
void visitBottomUp(Node& root, Visit&& visit) {
    visitBottomUp(
        root, [](const Node&) { return false; }, std::forward<Visit>(visit));
}

}  // namespace lorvex
