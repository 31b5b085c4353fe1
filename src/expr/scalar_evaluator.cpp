#include "expr/scalar_evaluator.h"

#include <array>
#include <cassert>

#include "expr/function_library.h"
#include "expr/scalar_arithmetic.h"
#include "expr/symbol_codes.h"

namespace lorvex {
namespace {

using namespace symbol;

// The stages of a pending node.
constexpr int kFresh = 0;
constexpr int kChildrenDone = 1;
constexpr int kLooping = 2;

bool isLetter(int code) {
    return code >= AT && code <= 'Z';
}

// The slot of "@" or "A"-"Z". Every caller checks its letter first; should
// one fail to, a release build reads or writes "@" rather than memory beyond
// the variables.
std::size_t variableIndex(int letter) {
    assert(isLetter(letter));
    return isLetter(letter) ? static_cast<std::size_t>(letter - AT) : 0;
}

// A node whose value needs no other node.
bool isLeaf(const ExprNode& node) {
    return node.code == CONST || node.code == SUMTERM ||
           (!node.first && !node.second && !node.third);
}

bool childFailed(const ExprNode& node) {
    return (node.first && node.first->failed) || (node.second && node.second->failed);
}

}  // namespace

bool ScalarEvaluator::evaluate(ExprNode& root) {
    const std::size_t base = pending_.size();
    const std::size_t loopBase = loops_.size();
    push(&root);
    try {
        while (pending_.size() > base)
            step(pending_.size() - 1);
    } catch (...) {
        putBackIterationVariables(base, loopBase);
        pending_.resize(base);
        loops_.resize(loopBase);
        throw;
    }
    return !root.failed;
}

void ScalarEvaluator::push(ExprNode* node) {
    pending_.push_back(PendingNode{node, kFresh});
}

// Ends the pending node at `at`, the top of the stack.
void ScalarEvaluator::finish(std::size_t at, bool succeeded) {
    pending_[at].node->failed = !succeeded;
    pending_.pop_back();
}

// One move of the pending node at the top: expand it, apply it once its
// children have values, or take its loop one iteration further.
void ScalarEvaluator::step(std::size_t at) {
    ExprNode& node = *pending_[at].node;
    switch (pending_[at].stage) {
        case kFresh:
            // Constants and the summand pair of a series have their value.
            if (node.code == CONST || node.code == SUMTERM) {
                finish(at, true);
                return;
            }
            if (expand(at)) return;
            [[fallthrough]];
        case kChildrenDone:
            if (node.code == ITER) {
                startIteration(at);
            } else if (node.code == SUM || node.code == PROD) {
                startSeries(at);
            } else {
                finish(at, apply(node));
            }
            return;
        default:
            if (node.code == ITER) {
                continueIteration(at);
            } else {
                continueSeries(at);
            }
            return;
    }
}

// The children are evaluated first, then third, then second. Leaves at the
// front of that order take their values at once; the rest wait on the stack
// (the last pushed goes first), so a variable is read only after the
// children before it, which may change it, are done. Returns whether
// children wait.
bool ScalarEvaluator::expand(std::size_t at) {
    ExprNode& node = *pending_[at].node;
    pending_[at].stage = kChildrenDone;
    node.value = ZERO;
    std::array<ExprNode*, 3> children{};
    std::size_t count = 0;
    for (ExprNode* child : {node.first.get(), node.third.get(), node.second.get()}) {
        if (child) children[count++] = child;
    }
    std::size_t settled = 0;
    while (settled < count && isLeaf(*children[settled])) {
        ExprNode& leaf = *children[settled++];
        leaf.failed = !(leaf.code == CONST || leaf.code == SUMTERM || apply(leaf));
    }
    for (std::size_t k = count; k-- > settled;)
        push(children[k]);
    return settled < count;
}

Complex ScalarEvaluator::variable(int letter) const {
    // In complex mode x and y are the real and imaginary parts of z.
    if (complexMode_ && (letter == 'X' || letter == 'Y')) {
        const Complex z = variables_[variableIndex('Z')];
        return Complex{letter == 'X' ? z.re : z.im, 0.0L};
    }
    return variables_[variableIndex(letter)];
}

Complex& ScalarEvaluator::variableSlot(int letter) {
    return variables_[variableIndex(letter)];
}

bool ScalarEvaluator::apply(ExprNode& node) {
    if (isJoin(node.code)) return applyJoin(node);
    if (childFailed(node)) return false;
    const ExprNode* left = node.first.get();
    const ExprNode* right = node.second.get();
    if (isLetter(node.code)) {
        node.value = variable(node.code);
        return true;
    }
    switch (node.code) {
        case PLUS:
            node.value = left->value + right->value;
            return true;
        case MINUS:
            node.value = left->value - right->value;
            return true;
        case TIMES:
            return scalar::product(left->value, right->value, complexMode_, node.value);
        case DIVIDE:
            return scalar::quotient(left->value, right->value, complexMode_, node.value);
        case CARET:
            return scalar::power(left->value, right->value, complexMode_, node.value);
        case RAND:
            node.value = randomValue(right->value.re);
            return true;
        default:
            if (left) {
                return scalar::applyTwoArgumentFunction(node.code, left->value, right->value,
                                                        complexMode_, stop_, node.value);
            }
            return scalar::applyFunction(node.code, right->value, complexMode_, node.value);
    }
}

// joinx(f|c, rest): f while x < c, otherwise rest; the branch not taken may fail.
bool ScalarEvaluator::applyJoin(ExprNode& node) {
    static constexpr char kVariables[] = {'X', 'T', 'R', 'U'};
    const Complex v = variables_[variableIndex(kVariables[node.code - JOINX])];
    const ExprNode* breakPoint = node.third.get();
    if (breakPoint && breakPoint->failed) return false;
    const long double limit = breakPoint ? breakPoint->value.re : 0.0L;
    const ExprNode* taken = v.re < limit ? node.first.get() : node.second.get();
    if (taken->failed) return false;
    node.value = taken->value;
    return true;
}

// iter(n, f): f applied n times, starting from x; x is put back afterwards.
// The first application was made with the node's children.
void ScalarEvaluator::startIteration(std::size_t at) {
    ExprNode& node = *pending_[at].node;
    if (childFailed(node)) {
        finish(at, false);
        return;
    }
    if (node.count <= 1) {
        node.value = node.second->value;
        finish(at, true);
        return;
    }
    loops_.push_back(RunningLoop{1, node.count, variableSlot('X')});
    pending_[at].stage = kLooping;
    stop_.poll();
    variableSlot('X') = node.second->value;
    push(node.second.get());
}

void ScalarEvaluator::continueIteration(std::size_t at) {
    ExprNode& node = *pending_[at].node;
    const ExprNode& body = *node.second;
    RunningLoop& loop = loops_.back();
    if (body.failed || ++loop.step == loop.last) {
        variableSlot('X') = loop.saved;
        loops_.pop_back();
        node.value = body.value;
        finish(at, !body.failed);
        return;
    }
    stop_.poll();
    variableSlot('X') = body.value;
    push(node.second.get());
}

// sum(f, v, a, b) and prod(f, v, a, b): f for v = a, a+1, ..., b, added or
// multiplied; v keeps the value b. An index that is no variable fails.
void ScalarEvaluator::startSeries(std::size_t at) {
    ExprNode& node = *pending_[at].node;
    const ExprNode& term = *node.first;
    const ExprNode& range = *node.second;
    std::int64_t from = 0;
    std::int64_t to = 0;
    if (childFailed(node) || term.code != SUMTERM || !isLetter(term.second->code) ||
        range.code != SUMRANGE || !scalar::AsInteger(range.first->value, from) ||
        !scalar::AsInteger(range.second->value, to) || to < from) {
        finish(at, false);
        return;
    }
    loops_.push_back(RunningLoop{from, to, ZERO});
    pending_[at].stage = kLooping;
    node.value = node.code == SUM ? ZERO : ONE;
    stop_.poll();
    variableSlot(term.second->code) = Complex{static_cast<long double>(from), 0.0L};
    push(term.first.get());
}

void ScalarEvaluator::continueSeries(std::size_t at) {
    ExprNode& node = *pending_[at].node;
    const ExprNode& term = *node.first;
    const ExprNode& summand = *term.first;
    RunningLoop& loop = loops_.back();
    bool ok = !summand.failed;
    if (ok && node.code == SUM) node.value += summand.value;
    if (ok && node.code == PROD)
        ok = scalar::product(node.value, summand.value, complexMode_, node.value);
    if (!ok || loop.step == loop.last) {
        loops_.pop_back();
        finish(at, ok);
        return;
    }
    ++loop.step;
    stop_.poll();
    variableSlot(term.second->code) = Complex{static_cast<long double>(loop.step), 0.0L};
    push(term.first.get());
}

// After an interruption, every iteration still running gives x back, the
// innermost first, so that x ends as it was before the outermost began.
void ScalarEvaluator::putBackIterationVariables(std::size_t nodeBase, std::size_t loopBase) {
    std::size_t loop = loops_.size();
    for (std::size_t at = pending_.size(); at-- > nodeBase && loop > loopBase;) {
        const PendingNode& pending = pending_[at];
        if (pending.stage != kLooping) continue;
        --loop;
        if (pending.node->code == ITER) variableSlot('X') = loops_[loop].saved;
    }
}

// range * (2u - 1), u uniform in [0, 1) in steps of 10^-6.
Complex ScalarEvaluator::randomValue(long double range) {
    const auto u = static_cast<long double>(random_.next() % 1000000U) / 1e6L;
    return Complex{range * (2.0L * u - 1.0L), 0.0L};
}

}  // namespace lorvex
