// Memory running out at any allocation of an operation: the operation fails
// with "memória lenta...problema!" (or the code it gives for what it could
// not read) and leaves the workspace as it was, windows untold; the
// command-line program writes the failure instead of ending.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/script_runner.h"
#include "cli/scripted_answers.h"
#include "engine/result_codes.h"
#include "failing_allocation.h"
#include "workspace/frame_operations.h"

namespace lorvex {
namespace {

namespace allocation = test::failing_allocation;

constexpr std::int32_t A = 1;
constexpr std::int32_t B = 2;
constexpr std::int32_t X = 24;
constexpr std::int32_t K = 11;

// Everything of a document that a failed store could touch.
struct DocumentState {
    const MatrixDocument* document = nullptr;
    std::int32_t rows = 0;
    std::int32_t cols = 0;
    std::vector<Complex> cells;
    std::vector<BigInt> iCells;
    std::int16_t fieldWidth = 0;
    std::string notes;
    std::string name;
    bool modified = false;
    bool canUndo = false;

    explicit DocumentState(const MatrixDocument* d) : document(d) {
        if (d == nullptr) return;
        rows = d->Rows();
        cols = d->Cols();
        cells = d->Cells();
        iCells = d->ICells();
        fieldWidth = d->FieldWidth();
        notes = d->notes();
        name = d->documentName();
        modified = d->modified();
        canUndo = d->canUndo();
    }
    friend bool operator==(const DocumentState&, const DocumentState&) = default;
};

std::vector<DocumentState> stateOf(Workspace& workspace) {
    std::vector<DocumentState> state;
    for (const auto mode : {WorkspaceMode::Real, WorkspaceMode::Complex, WorkspaceMode::Integer}) {
        for (std::int32_t letter = 1; letter <= Workspace::kLetters; ++letter)
            state.emplace_back(workspace.Slots(mode, letter));
    }
    for (const auto step :
         {StepDocument::LinearProgramming, StepDocument::Echelon, StepDocument::Operations})
        state.emplace_back(&workspace.stepDocument(step));
    return state;
}

class CountingListener : public WorkspaceListener {
  public:
    void documentCreated(MatrixDocument&) override { ++events; }
    void documentChanged(MatrixDocument&) override { ++events; }
    void documentShown(MatrixDocument&) override { ++events; }
    void lettersChanged() override { ++events; }
    int events = 0;
};

// A real-mode workspace with A = [1 2; 3 4], B = [5; 6] and an integer
// matrix at A of the integer array, A loaded for row operations; the
// overwrite question is answered Yes.
struct Frame {
    cli::ScriptedAnswers prompter{true};
    Workspace workspace{prompter};
    RandomGenerator random{7};
    FrameOperations operations{workspace, random};
    CountingListener listener;

    Frame() {
        operations.setMode(WorkspaceMode::Real);
        const auto real = [](std::int32_t rows, std::int32_t cols, std::vector<long double> xs) {
            ComplexMatrix m(rows, cols);
            for (std::size_t k = 0; k < xs.size(); ++k)
                m.cells[k] = Complex{xs[k], 0.0L};
            return m;
        };
        EXPECT_TRUE(
            workspace.PlaceMatrix(ElementKind::Real, "", A, real(2, 2, {1, 2, 3, 4})).stored);
        EXPECT_TRUE(workspace.PlaceMatrix(ElementKind::Real, "", B, real(2, 1, {5, 6})).stored);
        IntegerMatrix exact(2, 2);
        exact.numerators = {BigInt(2), BigInt(1), BigInt(1), BigInt(1)};
        EXPECT_TRUE(workspace.PlaceMatrix(ElementKind::Integer, "", A, exact).stored);
        EXPECT_EQ(operations.OperLoad(A), code::Ok);
        workspace.setListener(&listener);
    }
};

// Runs the operation on a fresh frame once for every allocation it makes,
// that allocation failing. Each failure must leave the workspace as it was
// and tell the windows nothing; at least one must give code::OutOfMemory.
// `allowed` are the other codes that the failure may turn into.
void expectEveryFailureHarmless(const std::string& what,
                                const std::function<int(FrameOperations&)>& operation,
                                std::vector<int> allowed = {}) {
    SCOPED_TRACE(what);
    allowed.push_back(code::OutOfMemory);
    bool outOfMemorySeen = false;
    for (std::size_t n = 1;; ++n) {
        Frame frame;
        const std::vector<DocumentState> before = stateOf(frame.workspace);
        allocation::arm(n);
        const int rc = operation(frame.operations);
        const bool failed = allocation::disarm();
        if (!failed) {
            EXPECT_EQ(rc, code::Ok) << "with enough memory";
            break;
        }
        if (rc == code::Ok) continue;  // a part that does without, such as a report line
        SCOPED_TRACE("allocation " + std::to_string(n));
        EXPECT_NE(std::find(allowed.begin(), allowed.end(), rc), allowed.end()) << "code " << rc;
        outOfMemorySeen = outOfMemorySeen || rc == code::OutOfMemory;
        ASSERT_TRUE(stateOf(frame.workspace) == before);
        ASSERT_EQ(frame.listener.events, 0);
    }
    EXPECT_TRUE(outOfMemorySeen);
}

class OutOfMemoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("lorvex_out_of_memory_" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // A matrix file of an integer matrix, A*A of the integer array.
    std::string integerFile() {
        Frame frame;
        frame.operations.setMode(WorkspaceMode::Integer);
        EXPECT_EQ(frame.operations.CalcExpression(B, "A*A"), code::Ok);
        const std::string path = (folder_ / "b.ima").string();
        EXPECT_EQ(frame.workspace.Slots(WorkspaceMode::Integer, B)->writeFile(path), code::Ok);
        return path;
    }

    std::filesystem::path folder_;
};

TEST_F(OutOfMemoryTest, StoringLeavesThePlaceAsItWas) {
    ComplexMatrix wide(2, 3);
    wide.cells[4] = Complex{123456789.0L, 0.0L};
    const MatrixData m = wide;
    for (const std::int32_t letter : {A, X}) {
        expectEveryFailureHarmless("place " + std::to_string(letter), [&](FrameOperations& o) {
            return o.workspace().PlaceMatrix(ElementKind::Real, "", letter, m).code;
        });
    }
}

// Reading and writing may report a file they could not read or write; what
// is read must not be half stored, nor a document half marked as saved.
TEST_F(OutOfMemoryTest, OpeningAndSavingLeaveThePlacesAsTheyWere) {
    const std::string path = integerFile();
    const MatrixData zeros = IntegerMatrix(3, 3);
    expectEveryFailureHarmless("open",
                               [&](FrameOperations& o) {
                                   return o.OpenMatrixFile(path,
                                                           Workspace::UnreadableFile::StoreNothing);
                               },
                               {code::CannotOpenFile});
    expectEveryFailureHarmless(
        "save",
        [&](FrameOperations& o) {
            return o.workspace().Slots(WorkspaceMode::Integer, A)->writeFile(path);
        },
        {code::CannotSaveFile});
    // Into an occupied place, as after every letter of the mode is taken.
    expectEveryFailureHarmless(
        "open over A",
        [&](FrameOperations& o) {
            return o.workspace().PlaceMatrix(ElementKind::Integer, path, A, zeros).code;
        },
        {code::CannotOpenFile});
}

TEST_F(OutOfMemoryTest, CalculationsLeaveTheWorkspaceAsItWas) {
    expectEveryFailureHarmless("calc",
                               [](FrameOperations& o) { return o.CalcExpression(A, "A*A+A"); });
    expectEveryFailureHarmless("solve",
                               [](FrameOperations& o) { return o.Solve(A, B, X, K, false); });
    expectEveryFailureHarmless("report", [](FrameOperations& o) {
        OneMatrixReport report;
        return o.OneMatrix(A, report);
    });
}

TEST_F(OutOfMemoryTest, GeneratorsAndStepsLeaveTheWorkspaceAsItWas) {
    expectEveryFailureHarmless("random", [](FrameOperations& o) {
        return o.MakeMatrix(A, NewMatrixKind::Random, "3", "3", "0", "1", "1");
    });
    expectEveryFailureHarmless("formula",
                               [](FrameOperations& o) { return o.Formula(A, "2", "2", "i+j"); });
    expectEveryFailureHarmless("echelon", [](FrameOperations& o) {
        bool finished = false;
        return o.Echelon(A, 100, finished);
    });
    expectEveryFailureHarmless("oper load", [](FrameOperations& o) { return o.OperLoad(B); });
    expectEveryFailureHarmless("oper swap",
                               [](FrameOperations& o) { return o.OperSwap("1", "2", false); });
}

// Every allocation of a script's last command, its JSON output included,
// fails in turn: the script still writes one line for it, the command's own
// or its failure with code 3, unless the line itself could not be read.
TEST_F(OutOfMemoryTest, TheCommandLineProgramReportsTheFailure) {
    const std::string failure =
        R"({"command": "calc B = A+A", "ok": false, "code": 3, "message": "memória lenta...problema!"})";
    const std::string success =
        R"({"command": "calc B = A+A", "ok": true, "matrix": {"letter": "B", "kind": "real", )"
        R"("rows": 1, "cols": 2, "re": [["2", "4"]]}})";
    // A file stream has its buffer before the allocations fail, as standard
    // output has.
    const std::filesystem::path written = folder_ / "out.jsonl";
    const auto writtenText = [&] {
        std::ifstream in(written);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    bool failureWritten = false;
    for (std::size_t n = 1;; ++n) {
        cli::ScriptRunner runner(true, RandomGenerator(1));
        ASSERT_EQ(runner.run("matrix A = 1 2").code, code::Ok);
        std::istringstream script("calc B = A+A\n");
        std::ofstream out(written);
        allocation::arm(n);
        const int status = cli::runScript(script, out, runner, true);
        const bool failed = allocation::disarm();
        out.close();
        if (!failed) {
            EXPECT_EQ(writtenText(), success + "\n");
            EXPECT_EQ(status, 0);
            break;
        }
        SCOPED_TRACE("allocation " + std::to_string(n));
        if (status == 0) {
            EXPECT_EQ(writtenText(), success + "\n");
        } else if (status == 2) {
            EXPECT_EQ(writtenText(), "");
        } else {
            EXPECT_EQ(writtenText(), failure + "\n");
            EXPECT_EQ(status, 1);
            failureWritten = true;
        }
    }
    EXPECT_TRUE(failureWritten);
}

}  // namespace
}  // namespace lorvex
