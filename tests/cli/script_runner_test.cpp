#include "cli/script_runner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

namespace lorvex::cli {
namespace {

// A source that gives one line and then fails, as a disk or pipe can.
class FailingSource : public std::streambuf {
  public:
    FailingSource() { setg(text_, text_, text_ + sizeof text_ - 1); }

  protected:
    int_type underflow() override { throw std::ios_base::failure("read error"); }

  private:
    char text_[14] = "matrix A = 1\n";
};

TEST(ScriptRunnerTest, AFailedReadEndsTheScriptWithStatusTwo) {
    FailingSource source;
    std::istream in(&source);
    std::ostringstream out;
    ScriptRunner runner(true, RandomGenerator(1));
    EXPECT_EQ(runScript(in, out, runner, false), 2);
    EXPECT_EQ(out.str(), "> matrix A = 1\nmatriz A (1 x 1)\n 1.00000\n")
        << "the commands read before the failure have run";
}

TEST(ScriptRunnerTest, KeywordsInAnyCaseAndLettersInLowerCase) {
    ScriptRunner runner(true, RandomGenerator(1));
    const CommandResult typed = runner.run("MATRIX a=7");
    ASSERT_EQ(typed.code, code::Ok);
    ASSERT_EQ(typed.matrices.size(), 1U);
    EXPECT_EQ(typed.matrices[0].caption, "matriz A");
    EXPECT_EQ(runner.run("Show a").text, " 7.00000  \r\n");
    EXPECT_EQ(runner.run("show AB").code, code::NotUnderstood);
    EXPECT_EQ(runner.run("show 1").code, code::NotUnderstood);
}

TEST(ScriptRunnerTest, ATypedMatrixNeedsRowsOfEqualLength) {
    ScriptRunner runner(true, RandomGenerator(1));
    for (const char* line : {"matrix A = 1 2;", "matrix A = ; 1", "matrix A =", "matrix A 1 2",
                             "matrix = 1", "matrix A = 1; 2 3"}) {
        EXPECT_EQ(runner.run(line).code, code::NotUnderstood) << line;
    }
    EXPECT_EQ(runner.workspace().occupiedLetters().size(), 0U) << "nothing was stored";
    EXPECT_EQ(runner.run("matrix A = 1; 2").code, code::Ok);
    EXPECT_EQ(runner.run("mode integer").code, code::Ok);
    EXPECT_EQ(runner.run("matrix B = 1 2 /").code, code::NotUnderstood);
    EXPECT_EQ(runner.run("matrix B = 1/2").code, code::Ok) << "the denominator may touch";
}

}  // namespace
}  // namespace lorvex::cli
