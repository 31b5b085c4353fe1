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
#include "engine/principal_minors.h"
#include "engine/result_codes.h"

namespace lorvex {

using gauss_jordan::Block;
using principal_minors::Binomials;
using principal_minors::minorWork;
using principal_minors::PrincipalMinors;

namespace {

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
