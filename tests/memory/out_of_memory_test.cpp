// Memory running out at any allocation of an operation: the operation fails
// with "memória lenta...problema!" (or the code it gives for what it could
// not read) and leaves the workspace as it was, windows untold; the
// command-line program writes the failure instead of ending.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "cli/script_runner.h"
#include "cli/scripted_answers.h"
#include "engine/guarded.h"
#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "failing_allocation.h"
#include "workspace/file_test_support.h"
#include "workspace/frame_operations.h"

namespace lorvex {
namespace {

namespace allocation = test::failing_allocation;

constexpr std::int32_t A = 1;
constexpr std::int32_t B = 2;
constexpr std::int32_t X = 24;
constexpr std::int32_t K = 11;
constexpr ElementKind kReal = ElementKind::Real;
constexpr ElementKind kInteger = ElementKind::Integer;

// Everything of a document that a failed store could touch.
struct DocumentState {
    const MatrixDocument* document = nullptr;
    MatrixData contents;
    std::int16_t fieldWidth = 0;
    std::string notes;
    std::string name;
    bool modified = false;
    bool canUndo = false;

    explicit DocumentState(const MatrixDocument* d) : document(d) {
        if (d == nullptr) return;
        contents = d->matrixData();
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
            state.emplace_back(workspace.slot(mode, letter));
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
        EXPECT_TRUE(
            workspace.PlaceMatrix(ElementKind::Real, "", A, test::realMatrix({{1, 2}, {3, 4}}))
                .stored);
        EXPECT_TRUE(
            workspace.PlaceMatrix(ElementKind::Real, "", B, test::realMatrix({{5}, {6}})).stored);
        EXPECT_TRUE(
            workspace
                .PlaceMatrix(ElementKind::Integer, "", A, test::integerMatrix({{2, 1}, {1, 1}}))
                .stored);
        EXPECT_EQ(operations.steps().OperLoad(A), code::Ok);
        workspace.setListener(&listener);
    }
};

// Runs the operation on a fresh frame once for every allocation it makes,
// that allocation failing. Each failure must leave the workspace as it was
// and tell the windows nothing; at least one must give code::OutOfMemory.
// `allowed` are the other codes that the failure may turn into; `prepare`
// readies the frame before.
void expectEveryFailureHarmless(const std::string& what,
                                const std::function<int(FrameOperations&)>& operation,
                                std::vector<int> allowed = {},
                                const std::function<void(FrameOperations&)>& prepare = {}) {
    SCOPED_TRACE(what);
    allowed.push_back(code::OutOfMemory);
    bool outOfMemorySeen = false;
    for (std::size_t n = 1;; ++n) {
        Frame frame;
        if (prepare) prepare(frame.operations);
        frame.listener.events = 0;
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
    // A matrix file of an integer matrix, A*A of the integer array.
    std::string integerFile() {
        Frame frame;
        frame.operations.setMode(WorkspaceMode::Integer);
        EXPECT_EQ(frame.operations.calculations().CalcExpression(B, "A*A"), code::Ok);
        const std::string path = (folder_ / "b.ima").string();
        EXPECT_EQ(frame.workspace.slot(WorkspaceMode::Integer, B)->writeFile(path), code::Ok);
        return path;
    }

    test::TemporaryFolder folder_;
};

// An edit of a matrix window, or its undo, that runs out of memory leaves
// the document and its undo stack as they were, for either representation.
TEST_F(OutOfMemoryTest, EditsAndTheirUndoLeaveTheDocumentAsItWas) {
    using Edit = std::function<int(MatrixDocument&)>;
    const std::vector<std::pair<std::string, Edit>> edits = {
        {"dimensions", [](MatrixDocument& d) { return d.setDimensions(1, 4); }},
        {"remove rows", [](MatrixDocument& d) { return d.removeRows(3, 2); }},
        {"remove columns", [](MatrixDocument& d) { return d.removeColumns(1, 2); }},
        {"insert row", [](MatrixDocument& d) { return d.insertRow(2); }},
        {"insert column", [](MatrixDocument& d) { return d.insertColumn(4); }},
        {"swap rows", [](MatrixDocument& d) { return d.swapRows(1, 3); }},
        {"swap columns", [](MatrixDocument& d) { return d.swapColumns(3, 2); }},
        {"integer cell", [](MatrixDocument& d) { return d.setIntegerCellFromText(1, 1, "-9"); }},
        {"integer denominator",
         [](MatrixDocument& d) { return d.setIntegerCellFromText(3, 0, "-2"); }},
    };
    const std::vector<std::pair<ElementKind, MatrixData>> documents = {
        {ElementKind::Real, test::realMatrix({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}})},
        {ElementKind::Integer, test::integerMatrix({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, 5)},
    };
    // Runs `act` on a fresh document, made ready by `prepare`, once for every
    // allocation it makes, that allocation failing.
    const auto expectHarmless = [](const std::function<MatrixDocument()>& make, const Edit& prepare,
                                   const Edit& act) {
        for (std::size_t n = 1;; ++n) {
            MatrixDocument subject = make();
            ASSERT_EQ(prepare(subject), code::Ok);
            const DocumentState before(&subject);
            allocation::arm(n);
            const int rc = runGuarded([&] { return act(subject); });
            if (!allocation::disarm()) {
                EXPECT_EQ(rc, code::Ok) << "with enough memory";
                return;
            }
            SCOPED_TRACE("allocation " + std::to_string(n));
            EXPECT_EQ(rc, code::OutOfMemory);
            ASSERT_TRUE(DocumentState(&subject) == before);
        }
    };
    const Edit nothing = [](MatrixDocument&) { return code::Ok; };
    const Edit undo = [](MatrixDocument& d) { return d.undo() ? code::Ok : code::NothingToShow; };
    for (const auto& [kind, contents] : documents) {
        for (const auto& [what, edit] : edits) {
            if (what.starts_with("integer") && kind != ElementKind::Integer) continue;
            SCOPED_TRACE(what + (kind == ElementKind::Integer ? ", integer" : ", real"));
            const auto make = [&] { return MatrixDocument(1, kind, contents); };
            expectHarmless(make, nothing, edit);
            expectHarmless(make, edit, undo);
        }
    }
}

// Reading and writing may report a file they could not read or write; what
// is read must not be half stored, nor a document half marked as saved.
TEST_F(OutOfMemoryTest, EveryOperationLeavesTheWorkspaceAsItWas) {
    const MatrixData m = test::realMatrix({{0, 0, 0}, {0, 123456789, 0}});
    const MatrixData zeros = IntegerMatrix(3, 3);
    const std::string path = integerFile();
    const auto exact = [](FrameOperations& o) {
        o.setMode(WorkspaceMode::Integer);
        o.steps().setExact(true);
    };
    const auto exactLoad = [&](FrameOperations& o) {
        exact(o);
        EXPECT_EQ(o.steps().OperLoad(A), code::Ok);
    };
    const auto exactHalf = [&](FrameOperations& o) {
        exactLoad(o);
        EXPECT_EQ(o.steps().OperMultiply("1", "1/2", false), code::Ok);
    };
    const struct {
        const char* what;
        std::function<int(FrameOperations&)> operation;
        std::vector<int> allowed = {};
        std::function<void(FrameOperations&)> prepare = {};
    } cases[] = {
        {"place A", [&](auto& o) { return o.workspace().PlaceMatrix(kReal, "", A, m).code; }},
        {"place X", [&](auto& o) { return o.workspace().PlaceMatrix(kReal, "", X, m).code; }},
        {"open", [&](auto& o) { return o.files().OpenMatrixFile(path); }, {code::CannotOpenFile}},
        {"save",
         [&](auto& o) { return o.workspace().slot(WorkspaceMode::Integer, A)->writeFile(path); },
         {code::CannotSaveFile}},
        // Into an occupied place, as after every letter of the mode is taken.
        {"open over A",
         [&](auto& o) { return o.workspace().PlaceMatrix(kInteger, path, A, zeros).code; },
         {code::CannotOpenFile}},
        {"calc", [](auto& o) { return o.calculations().CalcExpression(A, "A*A+A"); }},
        {"solve", [](auto& o) { return o.calculations().Solve(A, B, X, K, false).code; }},
        {"report", [](auto& o) { return o.calculations().oneMatrixReport(A).code; }},
        {"random",
         [](auto& o) {
             return o.generators().MakeMatrix(A, NewMatrixKind::Random, "3", "3", "0", "1", "1");
         }},
        {"formula", [](auto& o) { return o.generators().Formula(A, "2", "2", "i+j"); }},
        {"echelon", [](auto& o) { return o.steps().echelon(A, 100).code; }},
        {"oper load", [](auto& o) { return o.steps().OperLoad(B); }},
        {"oper swap", [](auto& o) { return o.steps().OperSwap("1", "2", false); }},
        {"exact echelon", [](auto& o) { return o.steps().echelon(A, 100).code; }, {}, exact},
        {"exact oper",
         [](auto& o) { return o.steps().OperMultiply("1", "1/2", false); },
         {},
         exactLoad},
        {"exact undo",
         [](auto& o) { return o.steps().OperUndo() ? code::Ok : code::OutOfMemory; },
         {},
         exactHalf},
    };
    for (const auto& c : cases)
        expectEveryFailureHarmless(c.what, c.operation, c.allowed, c.prepare);
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
