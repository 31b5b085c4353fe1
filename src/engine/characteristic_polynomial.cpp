#include "engine/characteristic_polynomial.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

#include "engine/gauss_jordan.h"
#include "engine/guarded.h"
#include "engine/result_codes.h"

namespace lorvex {

using gauss_jordan::Block;

namespace {

// n choose k for all 0 <= k <= n <= order, the colex ranks of index sets.
class Binomials {
  public:
    explicit Binomials(std::int32_t order)
        : size_(static_cast<std::size_t>(order) + 1), values_(size_ * size_, 0) {
        for (std::size_t n = 0; n < size_; ++n) {
            values_[n * size_] = 1;
            for (std::size_t k = 1; k <= n; ++k)
                values_[n * size_ + k] =
                    values_[(n - 1) * size_ + k - 1] + (k < n ? values_[(n - 1) * size_ + k] : 0);
        }
    }
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
double minorWork(std::int32_t n, std::int32_t x) {
    const auto side = static_cast<double>(n - x);
    return 3 * side * side + 12;
}

// The determinants of all principal minors of the n x n matrix a, each the
// value that Gauss-Jordan elimination of the minor on its own gives, kept by
// order and by colex rank, so that the sums of each order add them in colex
// order. The index sets are visited depth first: a set and its extensions by
// larger indices share the elimination of the set's columns, done once into a
// table of the rows and columns after the set's largest index. Where a
// pivot is zero, each extension needs its own row exchange: those minors go on
// one by one from the shared, partly reduced table.
template <class T>
class PrincipalMinors {
  public:
    PrincipalMinors(const Block<T>& a, const StopCheck& stop)
        : n_(a.rows),
          a_(a),
          stop_(stop),
          binomials_(n_),
          tables_(static_cast<std::size_t>(n_)),
          determinants_(static_cast<std::size_t>(n_) + 1),
          progress_{0, principalMinorCount(n_), 0},
          totalWork_(characteristicPolynomialWork(n_)) {}

    // The determinants of the minors of orders first ... last, of those the
    // ones of colex ranks from ... from + count - 1; the others are dropped,
    // and sets of more than `last` indices are not visited.
    void computeOrders(std::int32_t first, std::int32_t last, std::uint64_t from,
                       std::uint64_t count) {
        for (std::int32_t k = 2; k <= n_; ++k) {
            auto& determinants = determinants_[static_cast<std::size_t>(k)];
            determinants.clear();
            determinants.shrink_to_fit();
            if (k < first || k > last) continue;
            const std::uint64_t kept = std::min(count, binomials_(n_, k) - from);
            if (kept > determinants.max_size()) throw std::bad_alloc();
            determinants.resize(kept);
        }
        for (std::int32_t size = 0; size + 1 < last; ++size)
            tables_[static_cast<std::size_t>(size)].resize(static_cast<std::size_t>(n_) * n_);
        first_ = first;
        last_ = last;
        from_ = from;
        extend(0, -1, a_.cells.data(), T{1}, 0);
    }

    // The determinants of the k x k minors kept, in colex order.
    const std::vector<T>& ofOrder(std::int32_t k) const {
        return determinants_[static_cast<std::size_t>(k)];
    }

  private:
    std::size_t at(std::int32_t row, std::int32_t col) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(n_) +
               static_cast<std::size_t>(col);
    }

    // The sets of `size` + 1 indices that add one index after `last` to a set
    // whose elimination left `table` (valid after `last`), the product of its
    // pivots `product` and the colex rank `rank`, and their extensions.
    void extend(std::int32_t size, std::int32_t last, const T* table, T product,
                std::uint64_t rank) {
        for (std::int32_t x = last + 1; x < n_; ++x) {
            const T pivot = table[at(x, x)];
            const std::uint64_t rankX = rank + binomials_(x, size + 1);
            const bool regular = gauss_jordan::sizeOf(pivot) > kZeroTolerance;
            const T productX = product * pivot;
            record(size + 1, rankX, x, regular ? productX : T{});
            if (x + 1 == n_ || size + 1 == last_) continue;
            if (!regular) {
                std::vector<std::int32_t> indices{x};
                resumeEach(size + 1, table, product, rankX, indices);
                continue;
            }
            T* next = tables_[static_cast<std::size_t>(size)].data();
            eliminate(table, next, x, pivot);
            extend(size + 1, x, next, productX, rankX);
        }
    }

    // The pivot step of column x: the pivot row scaled by the pivot's
    // inverse, then subtracted from each later row times its element in x.
    void eliminate(const T* table, T* next, std::int32_t x, T pivot) const {
        const T inverse = gauss_jordan::quotient(T{1}, pivot);
        T* pivotRow = next + at(x, 0);
        const T* source = table + at(x, 0);
        for (std::int32_t j = x + 1; j < n_; ++j)
            pivotRow[j] = source[j] * inverse;
        for (std::int32_t i = x + 1; i < n_; ++i) {
            const T* row = table + at(i, 0);
            T* reduced = next + at(i, 0);
            const T factor = row[x];
            for (std::int32_t j = x + 1; j < n_; ++j)
                reduced[j] = row[j] - pivotRow[j] * factor;
        }
    }

    // The extensions of a set whose next pivot column, indices.front(), has
    // a zero on the diagonal: each minor's trailing block is taken from
    // `table` and reduced on its own from the product of the set's pivots.
    // `indices` holds the trailing indices of the minor last recorded.
    void resumeEach(std::int32_t size, const T* table, T product, std::uint64_t rank,
                    std::vector<std::int32_t>& indices) {
        if (size == last_) return;
        for (std::int32_t y = indices.back() + 1; y < n_; ++y) {
            indices.push_back(y);
            const auto k = static_cast<std::int32_t>(indices.size());
            const std::uint64_t rankY = rank + binomials_(y, size + 1);
            Block<T> block{k, k, std::vector<T>(static_cast<std::size_t>(k) * k)};
            for (std::int32_t i = 0; i < k; ++i) {
                for (std::int32_t j = 0; j < k; ++j)
                    block.at(i, j) = table[at(indices[static_cast<std::size_t>(i)],
                                              indices[static_cast<std::size_t>(j)])];
            }
            T value = product;
            record(size + 1, rankY, y, gauss_jordan::resumeDeterminant(block, value) ? value : T{});
            resumeEach(size + 1, table, product, rankY, indices);
            indices.pop_back();
        }
    }

    // A minor of a group is kept and told of; one of a smaller order, visited
    // again on the way to the group, only counts in the work done.
    void record(std::int32_t k, std::uint64_t rank, std::int32_t last, T value) {
        if (k >= 2) work_ += minorWork(n_, last);
        auto& determinants = determinants_[static_cast<std::size_t>(k)];
        if (k >= first_ && rank >= from_ && rank - from_ < determinants.size()) {
            determinants[rank - from_] = value;
            if (stop_.wantsProgress()) {
                ++progress_.done;
                progress_.workDone = work_ / totalWork_;
                stop_.report(progress_);
            }
        }
        stop_.poll();
    }

    std::int32_t n_;
    const Block<T>& a_;
    const StopCheck& stop_;
    Binomials binomials_;
    // The table left by the pivot step of each set size, made when first needed.
    std::vector<std::vector<T>> tables_;
    std::vector<std::vector<T>> determinants_;
    ProgressReport progress_;
    double totalWork_;
    double work_ = 0;
    std::int32_t first_ = 2;
    std::int32_t last_ = 0;
    std::uint64_t from_ = 0;
};

// The determinants of all minors kept at once would take 2^n elements; the
// orders are taken in groups of at most this many minors, an order with more
// in parts of consecutive colex ranks, each group visiting again the smaller
// sets that lead to it.
constexpr std::uint64_t kMinorsAtOnce = std::uint64_t{1} << 21;

// Row n of Pascal's triangle, in doubles, which hold any order's counts.
std::vector<double> binomialRow(std::int32_t n) {
    std::vector<double> row{1};
    for (std::int32_t i = 1; i <= n; ++i) {
        row.push_back(1);
        for (auto k = static_cast<std::size_t>(i) - 1; k > 0; --k)
            row[k] += row[k - 1];
    }
    return row;
}

// The last order of the group that starts at `first`, given the minors of
// each order: as many orders as kMinorsAtOnce minors take, at least one.
template <class Count>
std::int32_t lastOfGroup(std::int32_t n, std::int32_t first, Count count) {
    std::int32_t last = first;
    auto minors = count(first);
    while (last < n && minors + count(last + 1) <= kMinorsAtOnce)
        minors += count(++last);
    return last;
}

// Sums of principal minors over the elements of type T: Complex, or long
// double for a real matrix, which gives the same real parts. The trace is
// summed from zero down the diagonal, each order's minors in colex order.
template <class T>
std::vector<Complex> coefficientsOf(const Block<T>& a, const StopCheck& stop) {
    const std::int32_t n = a.rows;
    std::vector<Complex> c(static_cast<std::size_t>(n) + 1, ZERO);
    c[0] = ONE;
    T trace{};
    for (std::int32_t i = 0; i < n; ++i)
        trace = trace + a.cells[static_cast<std::size_t>(i) * n + i];
    c[1] = Complex{-trace};
    PrincipalMinors<T> minors(a, stop);
    const Binomials binomials(n);
    const auto count = [&](std::int32_t k) { return binomials(n, k); };
    std::vector<T> sums(static_cast<std::size_t>(n) + 1, T{});
    const auto add = [&](std::int32_t k) {
        T& sum = sums[static_cast<std::size_t>(k)];
        for (const T& determinant : minors.ofOrder(k))
            sum = sum + determinant;
    };
    for (std::int32_t first = 2; first <= n;) {
        const std::int32_t last = lastOfGroup(n, first, count);
        if (count(first) > kMinorsAtOnce) {
            for (std::uint64_t from = 0; from < count(first); from += kMinorsAtOnce) {
                minors.computeOrders(first, first, from, kMinorsAtOnce);
                add(first);
            }
        } else {
            minors.computeOrders(first, last, 0, kMinorsAtOnce);
            for (std::int32_t k = first; k <= last; ++k)
                add(k);
        }
        first = last + 1;
    }
    for (std::int32_t k = 2; k <= n; ++k) {
        const T& sum = sums[static_cast<std::size_t>(k)];
        c[static_cast<std::size_t>(k)] = Complex{k % 2 == 1 ? -sum : sum};
    }
    return c;
}

}  // namespace

double characteristicPolynomialWork(std::int32_t n) {
    if (n < 2) return 0;
    // ofOrder[k]: the work of all minors of order k. The sets of k indices
    // whose largest is x number (x choose k - 1).
    std::vector<double> ofOrder(static_cast<std::size_t>(n) + 1, 0);
    std::vector<double> choose{1};  // row x of Pascal's triangle
    for (std::int32_t x = 0; x < n; ++x) {
        for (std::size_t j = 1; j < choose.size(); ++j)
            ofOrder[j + 1] += choose[j] * minorWork(n, x);
        choose.push_back(1);
        for (std::size_t j = choose.size() - 2; j > 0; --j)
            choose[j] += choose[j - 1];
    }
    // A group visits every minor of its last order or less; an order in
    // parts does so once for each part.
    const std::vector<double> count = binomialRow(n);
    const auto countOf = [&](std::int32_t k) { return count[static_cast<std::size_t>(k)]; };
    double work = 0;
    for (std::int32_t first = 2; first <= n;) {
        const std::int32_t last = lastOfGroup(n, first, countOf);
        double visited = 0;
        for (std::int32_t k = 2; k <= last; ++k)
            visited += ofOrder[static_cast<std::size_t>(k)];
        const double parts = std::ceil(countOf(first) / static_cast<double>(kMinorsAtOnce));
        work += std::max(parts, 1.0) * visited;
        first = last + 1;
    }
    return work;
}
std::uint64_t principalMinorCount(std::int32_t n) {
    if (n >= 64) return UINT64_MAX;
    if (n < 2) return 0;
    return (std::uint64_t{1} << n) - static_cast<std::uint64_t>(n) - 1;
}

int characteristicPolynomial(const ComplexMatrix& m, std::vector<Complex>& coefficients,
                             const StopCheck& stop) {
    assert(m.isSquare());
    return runGuarded([&] {
        std::vector<Complex> c;
        if (m.isReal()) {
            c = coefficientsOf(gauss_jordan::realPartsOf(m.rows, m.cols, m.cells), stop);
        } else {
            c = coefficientsOf(Block<Complex>{m.rows, m.cols, m.cells}, stop);
        }
        coefficients = std::move(c);
        return code::Ok;
    });
}

}  // namespace lorvex
