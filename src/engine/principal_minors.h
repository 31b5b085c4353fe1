#pragma once

// The determinants of the principal minors of a square block, for the
// characteristic polynomial: each the value that Gauss-Jordan elimination of
// the minor on its own gives, kept by order and colex rank.

#include <atomic>
#include <cstdint>
#include <exception>
#include <memory>
#include <span>
#include <vector>

#include "engine/characteristic_polynomial.h"
#include "engine/gauss_jordan.h"
#include "engine/stop_check.h"

namespace lorvex::principal_minors {

// n choose k for all 0 <= k <= n <= order, the colex ranks of index sets.
class Binomials {
  public:
    explicit Binomials(std::int32_t order);
    std::uint64_t operator()(std::int32_t n, std::int32_t k) const {
        if (k > n) return 0;
        return values_[static_cast<std::size_t>(n) * size_ + static_cast<std::size_t>(k)];
    }

  private:
    std::size_t size_;
    std::vector<std::uint64_t> values_;
};

// The work of a minor of order n whose largest index is x, in the units of
// the time estimate (an n x n determinant weighs n^3, for n^3 / 3 steps):
// its table of (n - x)^2 steps, and keeping the minor.
inline double minorWork(std::int32_t n, std::int32_t x) {
    const auto side = static_cast<double>(n - x);
    return 3 * side * side + 12;
}

// From this order on the minors are shared between two threads.
inline constexpr std::int32_t kThreadedOrder = 14;

// The index sets are visited depth first: a set and its extensions by larger
// indices share the elimination of the set's columns, done once into a table
// of the rows and columns after the set's largest index. Where a pivot is
// zero, each extension needs its own row exchange: those minors go on one by
// one from the shared, partly reduced table. From kThreadedOrder on, the
// subtrees of the sets of two indices are shared out between the calling
// thread and a second one; each minor is still eliminated the same way, and
// kept in its own place, so nothing depends on which thread did it.
template <class T>
class PrincipalMinors {
  public:
    PrincipalMinors(const gauss_jordan::Block<T>& a, const StopCheck& stop);

    // The determinants of the minors of orders first ... last, of those the
    // ones of colex ranks from ... from + count - 1; the others are dropped,
    // and sets of more than `last` indices are not visited.
    void computeOrders(std::int32_t first, std::int32_t last, std::uint64_t from,
                       std::uint64_t count);

    // The determinants of the k x k minors kept, in colex order.
    std::span<const T> ofOrder(std::int32_t k) const {
        const auto& kept = determinants_[static_cast<std::size_t>(k)];
        return {kept.values.get(), kept.count};
    }

  private:
    class Walker;
    friend class Walker;

    struct Kept {
        std::unique_ptr<T[]> values;
        std::size_t count = 0;
    };

    // The progress of the second thread, for the reports of the first, and
    // the request that it give up.
    struct Shared {
        std::atomic<std::uint64_t> done{0};
        std::atomic<double> work{0};
        std::atomic<bool> abandon{false};
        std::atomic<bool> finished{false};
        std::exception_ptr failure;
    };

    void computeShared(Walker& walker, Shared& shared);

    std::int32_t n_;
    const gauss_jordan::Block<T>& a_;
    const StopCheck& stop_;
    Binomials binomials_;
    std::vector<Kept> determinants_;
    std::uint64_t total_;
    double totalWork_;
    std::uint64_t done_ = 0;
    double work_ = 0;
    std::int32_t first_ = 2;
    std::int32_t last_ = 0;
    std::uint64_t from_ = 0;
};

extern template class PrincipalMinors<long double>;
extern template class PrincipalMinors<Complex>;

}  // namespace lorvex::principal_minors
