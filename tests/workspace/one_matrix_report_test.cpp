// The command-line scripts pin whole reports of an identity, a non-square
// matrix and exact integer ones; here complex roots, a stop, and the roots
// of random matrices checked against the trace and the determinant.

#include <gtest/gtest.h>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "workspace/duration_text.h"
#include "workspace/generator_fixture.h"

namespace lorvex {
namespace {

using test::realMatrix;

class OneMatrixReportTest : public test::GeneratorTest {
  protected:
    OneMatrixReport reportOf(ElementKind kind, const MatrixData& data) {
        EXPECT_TRUE(workspace.PlaceMatrix(kind, "", 1, data).stored);
        Outcome<OneMatrixReport> report = operations.calculations().oneMatrixReport(1);
        EXPECT_EQ(report.code, code::Ok);
        return std::move(report.value);
    }
};

TEST_F(OneMatrixReportTest, RealModeShowsConjugateRootsAndAZeroDeterminant) {
    const OneMatrixReport rotation = reportOf(ElementKind::Real, realMatrix({{0, -1}, {1, 0}}));
    ASSERT_EQ(rotation.roots.size(), 2U);
    EXPECT_NE(rotation.text.find("0.00000 + 1.00000i\r\n"), std::string::npos) << rotation.text;
    EXPECT_NE(rotation.text.find("0.00000 - 1.00000i\r\n"), std::string::npos) << rotation.text;
    prompter.expectOverwriteQuestion(Prompter::Answer::Yes);
    const OneMatrixReport singular = reportOf(ElementKind::Real, realMatrix({{1, 2}, {2, 4}}));
    const std::string start = "posto: 1\r\n\r\ntraço: 5.00000\r\n\r\ndeterminante: 0.00000\r\n\r\n";
    EXPECT_EQ(singular.text.rfind(start, 0), 0U) << singular.text;
}

TEST_F(OneMatrixReportTest, StoppedCoefficientsCannotBeCalculated) {
    ComplexMatrix m(12, 12);
    for (std::int32_t i = 0; i < 12; ++i)
        m.at(i, (i + 1) % 12) = ONE;
    ASSERT_TRUE(workspace.PlaceMatrix(ElementKind::Real, "", 1, m).stored);
    const StopCheck stopNow([] { return true; });
    const Outcome<OneMatrixReport> stopped = operations.calculations().oneMatrixReport(1, stopNow);
    ASSERT_EQ(stopped.code, code::Ok);
    const OneMatrixReport& report = stopped.value;
    EXPECT_NE(report.text.find("---------------------------\r\nnão pode calcular"),
              std::string::npos);
    EXPECT_TRUE(report.coefficients.empty());
}

// An hour of work is asked about first; "não" keeps the rest of the report.
TEST_F(OneMatrixReportTest, LongPolynomialIsAskedAboutFirst) {
    ASSERT_TRUE(
        workspace.PlaceMatrix(ElementKind::Real, "", 1, realMatrix({{2, 0}, {0, 3}})).stored);
    Outcome<OneMatrixReport> report = operations.calculations().oneMatrixSummary(1);
    ASSERT_EQ(report.code, code::Ok);
    ASSERT_TRUE(report.value.polynomialSeconds.has_value());
    EXPECT_LT(*report.value.polynomialSeconds, kAskBeforePolynomialSeconds);
    report.value.polynomialSeconds = 3 * 3600 + 7 * 60 + 20;
    prompter.expect("cuidado!",
                    "calcular o polinômio característico de ordem 2? tempo estimado: 3 h 07 min",
                    Prompter::Answer::No);
    ASSERT_EQ(operations.calculations().appendPolynomial(1, report.value), code::Ok);
    EXPECT_EQ(report.value.text,
              "posto: 2\r\n\r\ntraço: 5.00000\r\n\r\ndeterminante: 6.00000\r\n\r\n"
              "polinômio característico \r\n---------------------------\r\nnão pode calcular");
    EXPECT_TRUE(report.value.coefficients.empty());

    // Order 30 takes 2^30 minors, far past the limit on any machine.
    ComplexMatrix m(30, 30);
    for (std::int32_t i = 0; i < 30; ++i)
        m.at(i, i) = Complex{static_cast<long double>(i + 1), 0};
    ASSERT_TRUE(workspace.PlaceMatrix(ElementKind::Real, "", 2, m).stored);
    EXPECT_GT(*operations.calculations().oneMatrixSummary(2).value.polynomialSeconds,
              kAskBeforePolynomialSeconds);

    EXPECT_EQ((std::vector{durationText(59.4), durationText(185), durationText(7260),
                           durationText(3 * 86400.0), durationText(1e12)}),
              (std::vector<std::string>{"59 s", "3 min 05 s", "2 h 01 min", "3 dias",
                                        "mais de 1000 anos"}));
}

TEST(OneMatrixReport, RootsOfRandomMatricesAddUpToTraceAndDeterminant) {
    // Random entries in [0, 1) as "new A random n n" makes them: the roots,
    // with their multiplicities, must number n, be distinct and give back the
    // trace (their sum) and the determinant (their product), which the
    // report computes apart from the polynomial.
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        for (std::int32_t n = 6; n <= 16; ++n) {
            test::ScriptedPrompter prompter;
            Workspace workspace{prompter};
            RandomGenerator random{seed};
            FrameOperations operations{workspace, random};
            operations.setMode(WorkspaceMode::Real);
            const std::string order = std::to_string(n);
            ASSERT_EQ(operations.generators().MakeMatrix(1, NewMatrixKind::Random, order, order,
                                                         "0.0", "1.0", "1.0"),
                      code::Ok);
            const Outcome<OneMatrixReport> outcome = operations.calculations().oneMatrixReport(1);
            ASSERT_EQ(outcome.code, code::Ok);
            const OneMatrixReport& report = outcome.value;

            std::int32_t count = 0;
            Complex sum = ZERO;
            Complex product = ONE;
            long double sumBound = 0.0L;
            for (std::size_t i = 0; i < report.roots.size(); ++i) {
                const PolynomialRoot& root = report.roots[i];
                for (std::size_t j = 0; j < i; ++j)
                    EXPECT_GT(distance(root.value, report.roots[j].value), 1e-6L) << seed << n;
                for (std::int32_t k = 0; k < root.multiplicity; ++k) {
                    sum = sum + root.value;
                    product = product * root.value;
                    sumBound += size(root.value);
                }
                count += root.multiplicity;
            }
            EXPECT_EQ(count, n) << "seed " << seed << " order " << n;
            EXPECT_LT(distance(sum, *report.trace), 1e-12L * sumBound) << seed << " " << n;
            EXPECT_LT(distance(product, *report.determinant), 1e-9L * size(*report.determinant))
                << seed << " " << n;
        }
    }
}

}  // namespace
}  // namespace lorvex
