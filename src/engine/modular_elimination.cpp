#include "engine/modular_elimination.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>
#include <numeric>

#include "engine/modular_arithmetic.h"

namespace lorvex::modular {

namespace {

using Residues = std::vector<std::uint64_t>;

// Row-major residues of a matrix during an elimination modulo p.
struct Block {
    Residues cells;
    std::int32_t rows;
    std::int32_t cols;
    std::uint64_t p;

    std::uint64_t* row(std::int32_t i) {
        return cells.data() + static_cast<std::size_t>(i) * static_cast<std::size_t>(cols);
    }

    // Brings the first row at or below `pivotRow` with a non-zero entry in
    // column `col` up to `pivotRow`, exchanging whole rows, and sets `from`
    // to the row it came from. False when there is none.
    bool bringUpPivot(std::int32_t pivotRow, std::int32_t col, std::int32_t& from) {
        from = pivotRow;
        while (from < rows && row(from)[col] == 0)
            ++from;
        if (from == rows) return false;
        if (from != pivotRow) std::swap_ranges(row(from), row(from) + cols, row(pivotRow));
        return true;
    }

    // target -= factor * source over the columns from `first` on.
    void subtractMultiple(std::uint64_t* target, const std::uint64_t* source, std::uint64_t factor,
                          std::int32_t first) {
        const Factor f(factor, p);
        for (std::int32_t j = first; j < cols; ++j)
            target[j] = subtract(target[j], f.times(source[j], p), p);
    }

    // Clears column `col` below the pivot row, whose entry there is not zero.
    void clearBelow(std::int32_t pivotRow, std::int32_t col) {
        const std::uint64_t* source = row(pivotRow);
        const Factor pivotInverse(inverse(source[col], p), p);
        for (std::int32_t i = pivotRow + 1; i < rows; ++i) {
            std::uint64_t* target = row(i);
            if (target[col] == 0) continue;
            subtractMultiple(target, source, pivotInverse.times(target[col], p), col + 1);
            target[col] = 0;
        }
    }
};

std::uint64_t determinantModulo(Block& a, const StopCheck& stop) {
    std::uint64_t det = 1;
    for (std::int32_t k = 0; k < a.rows; ++k) {
        stop.poll();
        std::int32_t from = k;
        if (!a.bringUpPivot(k, k, from)) return 0;
        if (from != k) det = a.p - det;
        det = multiply(det, a.row(k)[k], a.p);
        a.clearBelow(k, k);
    }
    return det;
}

// Gauss-Jordan inversion in place of a matrix that is regular modulo p. The
// row exchanges of the pivot search become column exchanges of the inverse,
// made in reverse order at the end.
void invertModulo(Block& a, const StopCheck& stop) {
    const std::int32_t n = a.rows;
    std::vector<std::int32_t> exchanged(static_cast<std::size_t>(n));
    for (std::int32_t k = 0; k < n; ++k) {
        stop.poll();
        std::int32_t from = k;
        [[maybe_unused]] const bool regular = a.bringUpPivot(k, k, from);
        assert(regular);
        exchanged[static_cast<std::size_t>(k)] = from;
        std::uint64_t* pivotRow = a.row(k);
        const Factor pivotInverse(inverse(pivotRow[k], a.p), a.p);
        pivotRow[k] = 1;
        for (std::int32_t j = 0; j < n; ++j)
            pivotRow[j] = pivotInverse.times(pivotRow[j], a.p);
        for (std::int32_t i = 0; i < n; ++i) {
            std::uint64_t* target = a.row(i);
            const std::uint64_t factor = target[k];
            if (i == k || factor == 0) continue;
            target[k] = 0;
            a.subtractMultiple(target, pivotRow, factor, 0);
        }
    }
    for (std::int32_t k = n; k-- > 0;) {
        const std::int32_t other = exchanged[static_cast<std::size_t>(k)];
        if (other == k) continue;
        for (std::int32_t i = 0; i < n; ++i)
            std::swap(a.row(i)[k], a.row(i)[other]);
    }
}

// An upper bound of log2 |a| for a non-zero a, from its top four digits.
long double log2Bound(const BigInt& a) {
    const std::vector<BigInt::Digit>& digits = a.digits();
    const std::int32_t lowest = std::max(0, a.top() - 3);
    long double lead = 0;
    for (std::int32_t i = a.top(); i >= lowest; --i)
        lead = lead * BigInt::kBase + digits[static_cast<std::size_t>(i)];
    if (lowest > 0) lead += 1;
    return std::log2(lead) + lowest * std::log2(static_cast<long double>(BigInt::kBase));
}

// Enough bits for 2^bits to exceed twice the magnitude of the determinant
// and of every minor of order n - 1: Hadamard's bound, the product of the row
// norms or of the column norms, whichever is smaller, with each norm taken as
// at least 1 so that leaving out a line never raises it. The margin covers
// the rounding of the logarithms many times over.
std::int64_t bitsNeeded(const std::vector<BigInt>& cells, std::int32_t n) {
    constexpr long double kZero = -std::numeric_limits<long double>::infinity();
    std::vector<long double> logs;
    logs.reserve(cells.size());
    for (const BigInt& entry : cells)
        logs.push_back(entry.isZero() ? kZero : log2Bound(entry));
    const auto at = [&](std::int32_t i, std::int32_t j) {
        return logs[static_cast<std::size_t>(i) * static_cast<std::size_t>(n) +
                    static_cast<std::size_t>(j)];
    };
    const auto normLogSum = [&](bool byRows) {
        long double sum = 0;
        for (std::int32_t i = 0; i < n; ++i) {
            long double largest = kZero;
            for (std::int32_t j = 0; j < n; ++j)
                largest = std::max(largest, byRows ? at(i, j) : at(j, i));
            if (largest == kZero) continue;
            long double squares = 0;
            for (std::int32_t j = 0; j < n; ++j)
                squares += std::exp2(2 * ((byRows ? at(i, j) : at(j, i)) - largest));
            sum += std::max(0.0L, largest + std::log2(squares) / 2);
        }
        return sum;
    };
    const long double bound = std::min(normLogSum(true), normLogSum(false));
    return static_cast<std::int64_t>(std::ceil(bound * (1 + 1e-12L))) + 8;
}

std::size_t primesFor(std::int64_t bits) {
    return static_cast<std::size_t>(bits / kBitsPerPrime + 1);
}

// The pivots of an elimination modulo p that takes the columns from the
// left: pivot k in row rows[k] of the matrix and column cols[k].
struct Pivots {
    std::vector<std::int32_t> rows;
    std::vector<std::int32_t> cols;
};

Pivots pivotsModulo(const std::vector<BigInt>& cells, std::int32_t rows, std::int32_t cols,
                    std::uint64_t p, const StopCheck& stop) {
    Block a{residues(cells, p), rows, cols, p};
    std::vector<std::int32_t> origin(static_cast<std::size_t>(rows));
    std::iota(origin.begin(), origin.end(), 0);
    Pivots pivots;
    for (std::int32_t j = 0; j < cols && static_cast<std::int32_t>(pivots.rows.size()) < rows;
         ++j) {
        stop.poll();
        const auto k = static_cast<std::int32_t>(pivots.rows.size());
        std::int32_t from = k;
        if (!a.bringUpPivot(k, j, from)) continue;
        std::swap(origin[static_cast<std::size_t>(from)], origin[static_cast<std::size_t>(k)]);
        a.clearBelow(k, j);
        pivots.rows.push_back(origin[static_cast<std::size_t>(k)]);
        pivots.cols.push_back(j);
    }
    return pivots;
}

// With M the pivot rows and columns of A, every other row i is a rational
// combination of the pivot rows exactly when each integer
//     D(i, j) = det(M) A(i, j) - A(i, pivot columns) adj(M) A(pivot rows, j)
// is zero. D(i, j) is, up to its sign, the minor of A on the pivot rows and
// i and the pivot columns and j, so Hadamard's bound, the product of those
// rows' norms, bounds it. Enough bits for 2^bits to exceed twice that bound
// for every i.
std::int64_t combinationBits(const std::vector<BigInt>& cells, std::int32_t rows, std::int32_t cols,
                             const Pivots& pivots) {
    std::vector<long double> rowLogs(static_cast<std::size_t>(rows), 0);
    for (std::int32_t i = 0; i < rows; ++i) {
        const BigInt* row = cells.data() + static_cast<std::size_t>(i) * cols;
        long double largest = 0;
        for (std::int32_t j = 0; j < cols; ++j) {
            if (!row[j].isZero()) largest = std::max(largest, log2Bound(row[j]));
        }
        // The norm is at most sqrt(cols) times the largest entry.
        rowLogs[static_cast<std::size_t>(i)] =
            largest + std::log2(static_cast<long double>(cols)) / 2;
    }
    long double bound = 0;
    std::vector<bool> pivotRow(static_cast<std::size_t>(rows), false);
    for (const std::int32_t i : pivots.rows) {
        bound += rowLogs[static_cast<std::size_t>(i)];
        pivotRow[static_cast<std::size_t>(i)] = true;
    }
    long double extra = 0;
    for (std::int32_t i = 0; i < rows; ++i) {
        if (!pivotRow[static_cast<std::size_t>(i)])
            extra = std::max(extra, rowLogs[static_cast<std::size_t>(i)]);
    }
    return static_cast<std::int64_t>(std::ceil((bound + extra) * (1 + 1e-12L))) + 8;
}

enum class Check { Holds, Fails, Unusable };

// D modulo q, by elimination with the given pivots on whole rows: Unusable
// when M is singular modulo q (q divides det(M)); otherwise the other rows
// end as D / det(M) modulo q, and D is zero modulo q when they all vanish.
Check checkModulo(const std::vector<BigInt>& cells, std::int32_t rows, std::int32_t cols,
                  const Pivots& pivots, std::uint64_t q, const StopCheck& stop) {
    Block a{residues(cells, q), rows, cols, q};
    const auto rank = static_cast<std::int32_t>(pivots.rows.size());
    // The pivot rows first, in their order, then the others.
    std::vector<std::int32_t> order(pivots.rows);
    std::vector<bool> taken(static_cast<std::size_t>(rows), false);
    for (const std::int32_t i : pivots.rows)
        taken[static_cast<std::size_t>(i)] = true;
    for (std::int32_t i = 0; i < rows; ++i) {
        if (!taken[static_cast<std::size_t>(i)]) order.push_back(i);
    }
    Residues arranged;
    arranged.reserve(a.cells.size());
    for (const std::int32_t i : order)
        arranged.insert(arranged.end(), a.row(i), a.row(i) + cols);
    a.cells = std::move(arranged);
    for (std::int32_t k = 0; k < rank; ++k) {
        stop.poll();
        const std::int32_t col = pivots.cols[static_cast<std::size_t>(k)];
        std::int32_t from = k;
        while (from < rank && a.row(from)[col] == 0)
            ++from;
        if (from == rank) return Check::Unusable;
        if (from != k) std::swap_ranges(a.row(from), a.row(from) + cols, a.row(k));
        const std::uint64_t* source = a.row(k);
        const Factor pivotInverse(inverse(source[col], q), q);
        for (std::int32_t i = k + 1; i < rows; ++i) {
            std::uint64_t* target = a.row(i);
            if (target[col] != 0)
                a.subtractMultiple(target, source, pivotInverse.times(target[col], q), 0);
        }
    }
    for (std::int32_t i = rank; i < rows; ++i) {
        stop.poll();
        const std::uint64_t* row = a.row(i);
        if (std::any_of(row, row + cols, [](std::uint64_t x) { return x != 0; }))
            return Check::Fails;
    }
    return Check::Holds;
}

}  // namespace

BigInt determinant(const std::vector<BigInt>& cells, std::int32_t n, const StopCheck& stop) {
    const std::size_t count = primesFor(bitsNeeded(cells, n));
    std::vector<std::uint64_t> primes;
    Residues determinants;
    PrimeSequence sequence;
    while (primes.size() < count) {
        const std::uint64_t p = sequence.next();
        Block a{residues(cells, p), n, n, p};
        determinants.push_back(determinantModulo(a, stop));
        primes.push_back(p);
    }
    return reconstruct(primes, determinants, 1, stop).front();
}

std::vector<BigInt> adjugate(const std::vector<BigInt>& cells, std::int32_t n, const BigInt& det,
                             const StopCheck& stop) {
    const std::size_t count = primesFor(bitsNeeded(cells, n));
    const std::vector<BigInt> determinantAlone{det};
    std::vector<std::uint64_t> primes;
    Residues adjugates;
    adjugates.reserve(count * cells.size());
    PrimeSequence sequence;
    while (primes.size() < count) {
        stop.poll();
        const std::uint64_t p = sequence.next();
        // The few primes that divide the determinant give no inverse.
        const std::uint64_t detModP = residues(determinantAlone, p).front();
        if (detModP == 0) continue;
        Block a{residues(cells, p), n, n, p};
        invertModulo(a, stop);
        const Factor scale(detModP, p);
        for (std::uint64_t entry : a.cells)
            adjugates.push_back(scale.times(entry, p));
        primes.push_back(p);
    }
    return reconstruct(primes, adjugates, cells.size(), stop);
}

std::int32_t rank(const std::vector<BigInt>& cells, std::int32_t rows, std::int32_t cols,
                  const StopCheck& stop) {
    PrimeSequence sequence;
    Pivots pivots = pivotsModulo(cells, rows, cols, sequence.next(), stop);
    const auto rank = [&pivots] { return static_cast<std::int32_t>(pivots.rows.size()); };
    std::size_t needed = primesFor(combinationBits(cells, rows, cols, pivots));
    for (std::size_t confirmed = 0; rank() < std::min(rows, cols) && confirmed < needed;) {
        const std::uint64_t q = sequence.next();
        switch (checkModulo(cells, rows, cols, pivots, q, stop)) {
            case Check::Holds:
                ++confirmed;
                break;
            case Check::Unusable:
                break;
            case Check::Fails:
                // The rank modulo q is larger, so the rank is: start again
                // from q's pivots.
                pivots = pivotsModulo(cells, rows, cols, q, stop);
                needed = primesFor(combinationBits(cells, rows, cols, pivots));
                confirmed = 0;
                break;
        }
    }
    return rank();
}

}  // namespace lorvex::modular
