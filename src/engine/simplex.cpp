#include "engine/simplex.h"

#include <cassert>
#include <cmath>
#include <utility>
#include <vector>

#include "engine/gauss_jordan.h"
#include "engine/guarded.h"
#include "engine/result_codes.h"
#include "engine/tolerances.h"

namespace lorvex {

namespace {

// The simplex tableau: m constraint rows, the objective row m and the row
// m + 1 of reduced costs, over 2m + n + 1 columns of which the first `used`
// are in use, the right-hand side last. Only real parts take part, in long
// double, with the operations the complex elements would see on their real
// parts (divisions included).
class Tableau {
  public:
    Tableau(const ComplexMatrix& f, const ComplexMatrix& b, const ComplexMatrix& c, Goal goal)
        : m_(b.rows),
          n_(b.cols),
          width_(2 * b.rows + b.cols + 1),
          cells_(static_cast<std::size_t>(m_ + 2) * static_cast<std::size_t>(width_), 0.0L),
          basis_(static_cast<std::size_t>(m_), -1),
          basisRow_(static_cast<std::size_t>(width_), -1),
          flagged_(static_cast<std::size_t>(width_), false) {
        const long double objectiveSign = goal == Goal::Maximise ? 1.0L : -1.0L;
        for (std::int32_t j = 0; j < n_; ++j) {
            for (std::int32_t i = 0; i < m_; ++i)
                at(i, j) = b.at(i, j).re;
            at(m_, j) = objectiveSign * f.at(0, j).re;
        }
        used_ = n_;
        std::vector<long double> rightHandSide(static_cast<std::size_t>(m_));
        for (std::int32_t i = 0; i < m_; ++i) {
            bool lessOrEqual = goal == Goal::Maximise;
            long double bound = c.at(i, 0).re;
            if (bound < 0) {
                for (std::int32_t j = 0; j < n_; ++j)
                    at(i, j) = -at(i, j);
                bound = -bound;
                lessOrEqual = !lessOrEqual;
            }
            rightHandSide[static_cast<std::size_t>(i)] = bound;
            if (lessOrEqual) {
                at(i, used_) = 1.0L;  // slack
                makeBasic(i, used_++);
            } else {
                at(i, used_++) = -1.0L;  // surplus
                at(i, used_) = 1.0L;     // artificial
                at(m_, used_) = kSimplexPenalty;
                makeBasic(i, used_++);
            }
        }
        for (std::int32_t i = 0; i < m_; ++i)
            at(i, used_) = rightHandSide[static_cast<std::size_t>(i)];
        ++used_;
    }

    std::int32_t constraintRows() const { return m_; }
    std::int32_t usedColumns() const { return used_; }
    long double at(std::int32_t i, std::int32_t j) const { return cells_[index(i, j)]; }

    // Fills the reduced-cost row: z(j) is what the basic variables' objective
    // coefficients make of column j, and T(m+1, j) = T(m, j) - z(j). Non-basic
    // columns with a reduced cost of (near) zero are flagged: entering them
    // keeps the objective's value, which gives alternative optima.
    void computeReducedCosts() {
        for (std::int32_t j = 0; j < rhs(); ++j) {
            long double z = 0.0L;
            for (std::int32_t i = 0; i < m_; ++i)
                z = z + at(i, j) * at(m_, basis_[static_cast<std::size_t>(i)]);
            at(m_ + 1, j) = at(m_, j) - z;
            flagged_[static_cast<std::size_t>(j)] =
                std::fabs(at(m_ + 1, j)) < kPolynomialTolerance &&
                basisRow_[static_cast<std::size_t>(j)] < 0;
        }
    }

    // The column with the largest reduced cost above 10^-13, leftmost among
    // equals; -1 when there is none and the tableau is optimal.
    std::int32_t enteringColumn() const {
        std::int32_t entering = -1;
        long double best = kPolynomialTolerance;
        for (std::int32_t j = 0; j < rhs(); ++j) {
            if (at(m_ + 1, j) > best) {
                best = at(m_ + 1, j);
                entering = j;
            }
        }
        return entering;
    }

    // The ratio test: among rows with a positive entry in the entering
    // column, the smallest ratio of right-hand side to entry below 10^18,
    // topmost among equals; -1 when no row limits the entering variable.
    std::int32_t leavingRow(std::int32_t entering) const {
        std::int32_t leaving = -1;
        long double best = kOverflowLimit;
        for (std::int32_t i = 0; i < m_; ++i) {
            if (!(at(i, entering) > kZeroTolerance)) continue;
            const long double ratio = gauss_jordan::quotient(at(i, rhs()), at(i, entering));
            if (ratio < best) {
                best = ratio;
                leaving = i;
            }
        }
        return leaving;
    }

    // Makes column e basic in row r: row r is divided by its entry in e, and
    // every other constraint row loses its multiple of row r. The objective
    // row stays as it is.
    void pivot(std::int32_t r, std::int32_t e) {
        const long double divisor = at(r, e);
        for (std::int32_t j = 0; j < used_; ++j)
            at(r, j) = gauss_jordan::quotient(at(r, j), divisor);
        for (std::int32_t i = 0; i < m_; ++i) {
            if (i == r) continue;
            const long double factor = at(i, e);
            for (std::int32_t j = 0; j < used_; ++j)
                at(i, j) = at(i, j) - factor * at(r, j);
        }
        basisRow_[static_cast<std::size_t>(basis_[static_cast<std::size_t>(r)])] = -1;
        makeBasic(r, e);
    }

    std::int32_t basicIn(std::int32_t row) const { return basis_[static_cast<std::size_t>(row)]; }

    bool isFlagged(std::int32_t j) const { return flagged_[static_cast<std::size_t>(j)]; }

    // The vertex of the current basis: a basic variable takes its row's
    // right-hand side, the others 0.
    std::vector<long double> vertex() const {
        std::vector<long double> x(static_cast<std::size_t>(n_), 0.0L);
        for (std::int32_t j = 0; j < n_; ++j) {
            const std::int32_t row = basisRow_[static_cast<std::size_t>(j)];
            if (row >= 0) x[static_cast<std::size_t>(j)] = at(row, rhs());
        }
        return x;
    }

    // The objective row's value at x.
    long double objectiveAt(const std::vector<long double>& x) const {
        long double value = 0.0L;
        for (std::int32_t j = 0; j < n_; ++j)
            value = value + x[static_cast<std::size_t>(j)] * at(m_, j);
        return value;
    }

    // Rows 0 ... m over the used columns.
    ComplexMatrix shown() const {
        ComplexMatrix result(m_ + 1, used_);
        for (std::int32_t i = 0; i <= m_; ++i) {
            for (std::int32_t j = 0; j < used_; ++j)
                result.at(i, j) = Complex{at(i, j), 0.0L};
        }
        return result;
    }

  private:
    std::int32_t rhs() const { return used_ - 1; }
    std::size_t index(std::int32_t i, std::int32_t j) const {
        return static_cast<std::size_t>(i) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(j);
    }
    long double& at(std::int32_t i, std::int32_t j) { return cells_[index(i, j)]; }
    void makeBasic(std::int32_t row, std::int32_t column) {
        basis_[static_cast<std::size_t>(row)] = column;
        basisRow_[static_cast<std::size_t>(column)] = row;
    }

    std::int32_t m_;
    std::int32_t n_;
    std::int32_t width_;
    std::int32_t used_ = 0;
    std::vector<long double> cells_;
    std::vector<std::int32_t> basis_;
    std::vector<std::int32_t> basisRow_;
    std::vector<bool> flagged_;
};

// Whether x satisfies every constraint as the user wrote it. Rounding in the
// tableau may leave a constraint that is met exactly at the optimum a hair
// off, so a row counts as violated only when it is off by more than 10^-12
// relative to the sizes of its terms.
bool satisfiesConstraints(const ComplexMatrix& b, const ComplexMatrix& c, Goal goal,
                          const std::vector<long double>& x) {
    constexpr long double kRelativeSlack = 1e-12L;
    for (std::int32_t i = 0; i < b.rows; ++i) {
        long double product = 0.0L;
        long double scale = 1.0L + std::fabs(c.at(i, 0).re);
        for (std::int32_t j = 0; j < b.cols; ++j) {
            const long double term = b.at(i, j).re * x[static_cast<std::size_t>(j)];
            product = product + term;
            scale = scale + std::fabs(term);
        }
        long double slack = c.at(i, 0).re - product;
        if (goal == Goal::Minimise) slack = -slack;
        if (slack < -kRelativeSlack * scale) return false;
    }
    return true;
}

ComplexMatrix asColumns(const std::vector<std::vector<long double>>& vertices) {
    ComplexMatrix result(static_cast<std::int32_t>(vertices.front().size()),
                         static_cast<std::int32_t>(vertices.size()));
    for (std::int32_t k = 0; k < result.cols; ++k) {
        for (std::int32_t j = 0; j < result.rows; ++j)
            result.at(j, k) = Complex{vertices[static_cast<std::size_t>(k)][j], 0.0L};
    }
    return result;
}

[[nodiscard]] int simplex(const ComplexMatrix& f, const ComplexMatrix& b, const ComplexMatrix& c,
                          Goal goal, std::int32_t stepLimit, SimplexRun& result,
                          const StopCheck& stop) {
    Tableau tableau(f, b, c, goal);
    SimplexRun run;
    bool optimal = false;
    while (run.steps < stepLimit) {
        stop.poll();
        tableau.computeReducedCosts();
        const std::int32_t entering = tableau.enteringColumn();
        if (entering < 0) {
            optimal = true;
            break;
        }
        const std::int32_t leaving = tableau.leavingRow(entering);
        if (leaving < 0) return code::Unbounded;
        ++run.steps;
        run.pivotRow = leaving;
        run.pivotColumn = entering;
        if (run.steps < stepLimit) {
            run.performed.push_back({leaving, entering, tableau.basicIn(leaving)});
            tableau.pivot(leaving, entering);
            ++run.steps;
        }
    }

    run.tableau = tableau.shown();
    if (!optimal) {
        run.end = SimplexRun::End::StepLimitReached;
        result = std::move(run);
        return code::Ok;
    }

    const std::vector<long double> first = tableau.vertex();
    if (!satisfiesConstraints(b, c, goal, first)) return code::NoFeasibleVector;
    const long double value = tableau.objectiveAt(first);
    std::vector<std::vector<long double>> vertices{first};
    for (std::int32_t j = 0; j + 1 < tableau.usedColumns(); ++j) {
        if (!tableau.isFlagged(j)) continue;
        const std::int32_t leaving = tableau.leavingRow(j);
        if (leaving < 0) continue;
        Tableau alternative = tableau;
        alternative.pivot(leaving, j);
        vertices.push_back(alternative.vertex());
    }
    run.end = SimplexRun::End::Optimal;
    run.value = goal == Goal::Maximise ? value : -value;
    run.solutions = asColumns(vertices);
    run.pivotRow = -1;
    run.pivotColumn = -1;
    result = std::move(run);
    return code::Ok;
}

}  // namespace

int checkLinearProgram(const ComplexMatrix& objective, const ComplexMatrix& constraints,
                       const ComplexMatrix& rightHandSide) {
    if (rightHandSide.cols > 1) return code::NotAColumnVector;
    if (rightHandSide.rows != constraints.rows || objective.cols != constraints.cols) {
        return code::Incompatible;
    }
    return code::Ok;
}

int runSimplex(const ComplexMatrix& objective, const ComplexMatrix& constraints,
               const ComplexMatrix& rightHandSide, Goal goal, std::int32_t stepLimit,
               SimplexRun& run, const StopCheck& stop) {
    assert(checkLinearProgram(objective, constraints, rightHandSide) == code::Ok);
    const int result = runGuarded(
        [&] { return simplex(objective, constraints, rightHandSide, goal, stepLimit, run, stop); });
    // Every array of a run belongs to its tableau.
    return result == code::OutOfMemory ? code::NoMoreRoom : result;
}

}  // namespace lorvex
