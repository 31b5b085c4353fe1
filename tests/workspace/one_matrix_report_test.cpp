#include <gtest/gtest.h>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "workspace/frame_operations.h"
#include "workspace/scripted_prompter.h"

namespace lorvex {
namespace {

using test::integerMatrix;
using test::realMatrix;

class OneMatrixReportTest : public ::testing::Test {
  protected:
    OneMatrixReportTest() { operations.setMode(WorkspaceMode::Real); }

    OneMatrixReport reportOf(ElementKind kind, const MatrixData& data) {
        EXPECT_TRUE(workspace.PlaceMatrix(kind, "", 1, data).stored);
        Outcome<OneMatrixReport> report = operations.calculations().oneMatrixReport(1);
        EXPECT_EQ(report.code, code::Ok);
        return report.value;
    }

    test::ScriptedPrompter prompter;
    Workspace workspace{prompter};
    RandomGenerator random{5};
    FrameOperations operations{workspace, random};
};

TEST_F(OneMatrixReportTest, IdentityOfOrderThree) {
    const OneMatrixReport report =
        reportOf(ElementKind::Real, realMatrix({{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}));
    EXPECT_EQ(report.text,
              "posto: 3\r\n\r\n"
              "traço: 3.00000\r\n\r\n"
              "determinante: 1.00000\r\n\r\n"
              "polinômio característico \r\n"
              "---------------------------\r\n"
              "grau  coeficiente\r\n"
              " 3:    1.00000\r\n"
              " 2:   -3.00000\r\n"
              " 1:    3.00000\r\n"
              " 0:   -1.00000\r\n"
              "\r\n"
              "raizes\r\n"
              "1.00000 (multiplicidade 3)\r\n");
    EXPECT_EQ(report.rank, 3);
    ASSERT_EQ(report.roots.size(), 1U);
    EXPECT_EQ(report.roots[0].multiplicity, 3);
}

TEST_F(OneMatrixReportTest, RotationHasConjugateRootsInRealMode) {
    const OneMatrixReport report = reportOf(ElementKind::Real, realMatrix({{0, -1}, {1, 0}}));
    EXPECT_NE(report.text.find(" 2:   1.00000\r\n 1:   0.00000\r\n 0:   1.00000\r\n"),
              std::string::npos)
        << report.text;
    ASSERT_EQ(report.roots.size(), 2U);
    EXPECT_NEAR(static_cast<double>(report.roots[0].value.im),
                -static_cast<double>(report.roots[1].value.im), 1e-12);
    EXPECT_NE(report.text.find("0.00000 + 1.00000i\r\n"), std::string::npos) << report.text;
    EXPECT_NE(report.text.find("0.00000 - 1.00000i\r\n"), std::string::npos) << report.text;
}

TEST_F(OneMatrixReportTest, NonSquareMatricesReportOnlyTheRank) {
    const OneMatrixReport report = reportOf(ElementKind::Real, realMatrix({{1, 2, 3}, {2, 4, 6}}));
    EXPECT_EQ(report.text, "posto: 1\r\n\r\n");
    EXPECT_FALSE(report.trace.has_value());
}

TEST_F(OneMatrixReportTest, SingularRealMatrixShowsDeterminantZero) {
    const OneMatrixReport report = reportOf(ElementKind::Real, realMatrix({{1, 2}, {2, 4}}));
    const std::string start = "posto: 1\r\n\r\ntraço: 5.00000\r\n\r\ndeterminante: 0.00000\r\n\r\n";
    EXPECT_EQ(report.text.rfind(start, 0), 0U) << report.text;
}

TEST_F(OneMatrixReportTest, IntegerMatricesGiveExactFractionsAndNoPolynomial) {
    operations.setMode(WorkspaceMode::Integer);
    OneMatrixReport report = reportOf(ElementKind::Integer, integerMatrix({{1, 2}, {3, 4}}, 2));
    EXPECT_EQ(report.text, "posto: 2\r\n\r\ntraço: 5/2\r\n\r\ndeterminante: -1/2\r\n\r\n");
    EXPECT_EQ(*report.exactDeterminant, (Fraction{BigInt(-1), BigInt(2)}));

    ASSERT_TRUE(
        workspace.PlaceMatrix(ElementKind::Integer, "", 2, integerMatrix({{1, 2}, {2, 4}})).stored);
    Outcome<OneMatrixReport> singular = operations.calculations().oneMatrixReport(2);
    ASSERT_EQ(singular.code, code::Ok);
    report = singular.value;
    EXPECT_EQ(report.text,
              "posto: 1\r\n\r\ntraço: 5\r\n\r\ndeterminante: não pode calcular\r\n\r\n");
    EXPECT_FALSE(report.exactDeterminant.has_value());
    EXPECT_EQ(operations.calculations().oneMatrixReport(3).code, code::MatrixNotFound);
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
            const Outcome<OneMatrixReport> found = operations.calculations().oneMatrixReport(1);
            ASSERT_EQ(found.code, code::Ok);
            const OneMatrixReport& report = found.value;

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
