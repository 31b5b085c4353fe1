#include "engine/simplex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

using test::realMatrix;

SimplexRun solved(const ComplexMatrix& f, const ComplexMatrix& b, const ComplexMatrix& c, Goal goal,
                  std::int32_t limit = kAllSimplexSteps) {
    SimplexRun run;
    EXPECT_EQ(runSimplex(f, b, c, goal, limit, run), code::Ok);
    return run;
}

// The command-line scripts pin the tableaux and the optimum of a problem of
// "<=" rows, an alternative optimum, an infeasible problem and the checks of
// the data; these are the ">=" rows, unbounded problems and rounding.
TEST(Simplex, StepsReplayTheTableaux) {
    // Maximise x with -x <= -1 and x <= 3: the first row is negated into
    // x >= 1 and gets a surplus and an artificial column. The columns are x,
    // surplus, artificial, slack and right-hand side; the objective row holds
    // the penalty. x enters against row 0 (ratio 1 against 3), then the
    // surplus against row 1; odd steps choose a pivot, even steps perform it,
    // and within a fifth step the tableau is found optimal.
    const long double p = kSimplexPenalty;
    const ComplexMatrix initial = realMatrix({{1, -1, 1, 0, 1}, {1, 0, 0, 1, 3}, {1, 0, p, 0, 0}});
    const ComplexMatrix xIn = realMatrix({{1, -1, 1, 0, 1}, {0, 1, -1, 1, 2}, {1, 0, p, 0, 0}});
    const ComplexMatrix surplusIn =
        realMatrix({{1, 0, 0, 1, 3}, {0, 1, -1, 1, 2}, {1, 0, p, 0, 0}});
    const struct {
        ComplexMatrix tableau;
        std::pair<std::int32_t, std::int32_t> pivot;
    } steps[] = {{initial, {-1, -1}}, {initial, {0, 0}},   {xIn, {0, 0}},
                 {xIn, {1, 1}},       {surplusIn, {1, 1}}, {surplusIn, {-1, -1}}};
    for (std::int32_t limit = 0; limit <= 5; ++limit) {
        SCOPED_TRACE(limit);
        const SimplexRun run = solved(realMatrix({{1}}), realMatrix({{-1}, {1}}),
                                      realMatrix({{-1}, {3}}), Goal::Maximise, limit);
        EXPECT_EQ(run.tableau, steps[limit].tableau);
        EXPECT_EQ(std::pair(run.pivotRow, run.pivotColumn), steps[limit].pivot);
        ASSERT_EQ(run.ended(), limit == 5);
        if (!run.ended()) continue;
        EXPECT_EQ(run.steps, 4);
        EXPECT_EQ(run.solutions, realMatrix({{3}}));
    }
}

TEST(Simplex, UnboundedProblemsAndStops) {
    // Maximise x with x - y <= 1: once x is in (steps 1 and 2), y has a
    // positive reduced cost and no row limits it.
    const ComplexMatrix f = realMatrix({{1, 0}});
    const ComplexMatrix b = realMatrix({{1, -1}});
    SimplexRun run;
    run.steps = 99;
    EXPECT_EQ(runSimplex(f, b, realMatrix({{1}}), Goal::Maximise, 3, run), code::Unbounded);
    EXPECT_EQ(run.steps, 99);
    EXPECT_EQ(runSimplex(f, b, realMatrix({{1}}), Goal::Maximise, 2, run), code::Ok);
    EXPECT_FALSE(run.ended());
    EXPECT_EQ(runSimplex(f, b, realMatrix({{1}}), Goal::Maximise, kAllSimplexSteps, run,
                         StopCheck([] { return true; })),
              code::UserStop);
}

TEST(Simplex, RoundingDoesNotMakeAFeasibleProblemInfeasible) {
    // Minimise x + y with 0.1x + 0.2y >= 0.9: y = 4.5. In extended precision
    // the vertex comes out a hair short, 0.1x + 0.2y just below 0.9; a check
    // without tolerance would call the problem infeasible.
    SimplexRun run = solved(realMatrix({{1, 1}}), realMatrix({{0.1L, 0.2L}}), realMatrix({{0.9L}}),
                            Goal::Minimise);
    ASSERT_TRUE(run.ended());
    const long double x = run.solutions.at(0, 0).re;
    const long double y = run.solutions.at(1, 0).re;
    EXPECT_LT(0.1L * x + 0.2L * y, 0.9L);
    EXPECT_EQ(x, 0.0L);
    EXPECT_NEAR(static_cast<double>(run.value), 4.5, 1e-15);

    // Maximise y with 0.1x + 0.3y <= 0.1: y = 1/3, a hair above it.
    run = solved(realMatrix({{0, 1}}), realMatrix({{0.1L, 0.3L}}), realMatrix({{0.1L}}),
                 Goal::Maximise);
    ASSERT_TRUE(run.ended());
    EXPECT_GT(0.1L * run.solutions.at(0, 0).re + 0.3L * run.solutions.at(1, 0).re, 0.1L);
    EXPECT_NEAR(static_cast<double>(run.value), 1.0 / 3.0, 1e-15);
}

TEST(Simplex, OptimumBeatsEverySampledFeasiblePoint) {
    std::mt19937 engine(53);
    std::uniform_real_distribution<double> entry(-1.0, 1.0);
    std::uniform_real_distribution<double> positive(0.0, 1.0);
    int sampled = 0;
    for (int round = 0; round < 60; ++round) {
        // Rows that a random x0 >= 0 satisfies with some room, and
        // sum(x) <= 10 (written as -sum(x) >= -10 when minimising, which
        // reverses it). Minimised costs are non-negative.
        const Goal goal = round % 2 == 0 ? Goal::Maximise : Goal::Minimise;
        const long double sense = goal == Goal::Maximise ? 1.0L : -1.0L;
        const std::int32_t m = 2 + round % 4;
        const std::int32_t n = 1 + round % 5;
        ComplexMatrix f(1, n);
        ComplexMatrix b(m, n);
        ComplexMatrix c(m, 1);
        for (Complex& v : f.cells)
            v.re = goal == Goal::Maximise ? entry(engine) : positive(engine);
        for (std::int32_t i = 0; i < m; ++i) {
            for (std::int32_t j = 0; j < n; ++j)
                b.at(i, j).re = i == 0 ? sense : entry(engine);
            c.at(i, 0).re = i == 0 ? sense * 10.0L : sense * 0.5L * positive(engine);
        }
        const auto product = [&](std::int32_t i, const std::vector<long double>& x) {
            long double sum = 0.0L;
            for (std::int32_t j = 0; j < n; ++j)
                sum += (i < 0 ? f.at(0, j) : b.at(i, j)).re * x[static_cast<std::size_t>(j)];
            return sum;
        };
        std::vector<long double> x0(static_cast<std::size_t>(n));
        for (long double& v : x0)
            v = positive(engine);
        for (std::int32_t i = 1; i < m; ++i)
            c.at(i, 0).re += product(i, x0);
        const auto feasible = [&](const std::vector<long double>& x, long double slack) {
            for (std::int32_t i = 0; i < m; ++i) {
                if (sense * (c.at(i, 0).re - product(i, x)) < -slack) return false;
            }
            return std::all_of(x.begin(), x.end(), [slack](long double v) { return v >= -slack; });
        };

        SimplexRun run;
        ASSERT_EQ(runSimplex(f, b, c, goal, kAllSimplexSteps, run), code::Ok) << round;
        ASSERT_TRUE(run.ended());
        for (std::int32_t k = 0; k < run.solutions.cols; ++k) {
            std::vector<long double> x;
            for (std::int32_t j = 0; j < n; ++j)
                x.push_back(run.solutions.at(j, k).re);
            EXPECT_TRUE(feasible(x, 1e-12L)) << round << " solution " << k;
            EXPECT_LT(std::fabs(product(-1, x) - run.value), 1e-12L) << round << " " << k;
        }
        for (int trial = 0; trial < 300; ++trial) {
            std::vector<long double> x(static_cast<std::size_t>(n));
            for (long double& v : x)
                v = 3.0L * positive(engine);
            if (!feasible(x, 0.0L)) continue;
            ++sampled;
            EXPECT_LE(sense * (product(-1, x) - run.value), 1e-12L) << round;
        }
    }
    EXPECT_GT(sampled, 1000);
}

}  // namespace
}  // namespace lorvex
