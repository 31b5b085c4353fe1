#include "engine/characteristic_polynomial.h"

#include <cassert>
#include <cstdint>
#include <utility>

#include "engine/gauss_jordan.h"
#include "engine/guarded.h"
#include "engine/result_codes.h"

namespace lorvex {

using gauss_jordan::Block;

namespace {

// The k-element subsets of {0 ... n-1} in increasing colex order, each as an
// increasing list of indices followed by the sentinel n.
class IndexSets {
  public:
    IndexSets(std::int32_t k, std::int32_t n) : indices_(static_cast<std::size_t>(k) + 1) {
        for (std::int32_t i = 0; i < k; ++i)
            indices_[static_cast<std::size_t>(i)] = i;
        indices_.back() = n;
    }

    const std::vector<std::int32_t>& indices() const { return indices_; }
    std::int32_t size() const { return static_cast<std::int32_t>(indices_.size()) - 1; }

    // The next set: the first index that can grow by one without meeting its
    // successor does, and the indices before it start again from 0, 1, ...
    // False when the last set has been passed.
    bool advance() {
        for (std::size_t i = 0; i + 1 < indices_.size(); ++i) {
            if (indices_[i] + 1 != indices_[i + 1]) {
                ++indices_[i];
                for (std::size_t j = 0; j < i; ++j)
                    indices_[j] = static_cast<std::int32_t>(j);
                return true;
            }
        }
        return false;
    }

  private:
    std::vector<std::int32_t> indices_;
};

// Sums of principal minors over the elements of type T: Complex, or long
// double for a real matrix, which gives the same real parts. The trace is
// summed from zero down the diagonal. Each minor's
// determinant is the one the Gauss-Jordan inverse would report.
double cube(std::int32_t k) {
    return static_cast<double>(k) * k * k;
}

template <class T>
std::vector<Complex> coefficientsOf(const Block<T>& a, const StopCheck& stop) {
    const std::int32_t n = a.rows;
    std::vector<Complex> c(static_cast<std::size_t>(n) + 1, ZERO);
    c[0] = ONE;
    T trace{};
    for (std::int32_t i = 0; i < n; ++i)
        trace = trace + a.cells[static_cast<std::size_t>(i) * n + i];
    c[1] = Complex{-trace};
    Block<T> minor{0, 0, {}};
    minor.cells.reserve(static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
    ProgressReport progress{0, principalMinorCount(n), 0};
    const double totalWork = characteristicPolynomialWork(n);
    double work = 0;
    for (std::int32_t k = 2; k <= n; ++k) {
        T sum{};
        IndexSets sets(k, n);
        do {
            const std::vector<std::int32_t>& s = sets.indices();
            minor.rows = k;
            minor.cols = k;
            minor.cells.clear();
            for (std::int32_t i = 0; i < k; ++i) {
                for (std::int32_t j = 0; j < k; ++j) {
                    minor.cells.push_back(a.cells[static_cast<std::size_t>(s[i]) * n + s[j]]);
                }
            }
            sum = sum + gauss_jordan::determinant(minor);
            if (stop.wantsProgress()) {
                ++progress.done;
                work += cube(k);
                progress.workDone = work / totalWork;
                stop.report(progress);
            }
            stop.poll();
        } while (sets.advance());
        c[static_cast<std::size_t>(k)] = Complex{k % 2 == 1 ? -sum : sum};
    }
    return c;
}

}  // namespace

double characteristicPolynomialWork(std::int32_t n) {
    double work = 0;
    double sets = 1;  // n choose k
    for (std::int32_t k = 1; k <= n; ++k) {
        sets = sets * (n - k + 1) / k;
        if (k >= 2) work += sets * cube(k);
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
