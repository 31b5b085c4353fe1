#include "workspace/frame_operations.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "workspace/file_test_support.h"
#include "workspace/matrix_file.h"
#include "workspace/scripted_prompter.h"
#include "workspace/strings.h"
#include "workspace/workspace.h"

namespace lorvex {
namespace {

using test::integerMatrix;
using test::realEntries;
using test::realMatrix;
using Answer = Prompter::Answer;

class FrameOperationsTest : public ::testing::Test {
  protected:
    FrameOperationsTest() { workspace.setMode(WorkspaceMode::Real); }

    std::string path(const std::string& name) const { return (folder / name).string(); }

    std::string saved(const std::string& name, ElementKind kind, const MatrixData& data,
                      const std::string& notes) {
        MatrixDocument document(1, kind, data);
        document.setNotes(notes);
        EXPECT_EQ(document.writeFile(path(name)), code::Ok);
        return path(name);
    }

    test::ScriptedPrompter prompter;
    Workspace workspace{prompter};
    RandomGenerator random{1};
    FrameOperations operations{workspace, random};
    test::TemporaryFolder folder;
};

TEST_F(FrameOperationsTest, OpeningChoosesTheArrayByTheExtension) {
    const std::string real = saved("x.Fma", ElementKind::Real, realMatrix({{1.5L, -2}}), "nota");
    ASSERT_EQ(operations.files().OpenMatrixFile(real), code::Ok);
    MatrixDocument* opened = workspace.slot(1);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->matrixData(), MatrixData(realEntries({{1.5L, -2}})));
    EXPECT_EQ(opened->notes(), "nota");
    EXPECT_EQ(opened->documentName(), real);
    EXPECT_TRUE(opened->named());
    EXPECT_FALSE(opened->modified());

    const std::string integer = saved("y.ima", ElementKind::Integer, integerMatrix({{5}}), "");
    ASSERT_EQ(operations.files().OpenMatrixFile(integer), code::Ok);
    EXPECT_EQ(workspace.occupiedLetters(), (std::vector<std::int32_t>{1}));
    EXPECT_TRUE(workspace.ModeUsed(WorkspaceMode::Integer));
    ASSERT_NE(workspace.slot(WorkspaceMode::Integer, 1), nullptr)
        << "the free letter is chosen in the array the file goes to";
    MatrixDocument* integerOpened = workspace.slot(WorkspaceMode::Integer, 1);
    EXPECT_EQ(integerOpened->ICells()[0], BigInt(5));
    EXPECT_FALSE(integerOpened->canUndo()) << "a file opened into a new place";
    prompter.expectOverwriteQuestion(Answer::Yes);
    ASSERT_TRUE(
        workspace.PlaceMatrix(ElementKind::Integer, integer, 1, IntegerMatrix(1, 1)).stored);
    EXPECT_TRUE(integerOpened->canUndo()) << "read again, the earlier matrix can come back";

    std::filesystem::copy_file(real, path("x.fmat"));
    EXPECT_EQ(operations.files().OpenMatrixFile(path("x.fmat")), code::Ok);
    EXPECT_EQ(operations.files().OpenMatrixFile(path("notes.txt")), code::Ok);
    EXPECT_EQ(workspace.occupiedLetters().size(), 1U);
}

// A file cut short opens nothing, rather than a matrix of zeros that would
// pass for the file's (the matrix file tests pin every refusal of the reader).
TEST_F(FrameOperationsTest, AnUnreadableFileOpensNothing) {
    test::Bytes cut = test::fileBytes(saved("whole.fma", ElementKind::Real, realMatrix({{1}}), ""));
    cut.resize(cut.size() - 3);
    test::putFile(folder / "cut.fma", cut);
    EXPECT_EQ(operations.files().OpenMatrixFile(path("cut.fma")), code::CannotOpenFile);
    EXPECT_FALSE(workspace.ModeUsed(WorkspaceMode::Real));
}

TEST_F(FrameOperationsTest, OpeningIntoAnOccupiedPlaceReadsTheFileAfterTheQuestion) {
    for (std::int32_t letter = 1; letter <= 26; ++letter) {
        ASSERT_TRUE(workspace.PlaceMatrix(ElementKind::Real, "", letter, realMatrix({{0}})).stored);
    }
    workspace.slot(4)->setHidden(true);
    const std::string file = saved("z.fma", ElementKind::Real, realMatrix({{7, 8}}), "");
    prompter.expectOverwriteQuestion(Answer::Yes);
    ASSERT_EQ(operations.files().OpenMatrixFile(file), code::Ok);
    EXPECT_EQ(workspace.slot(4)->matrixData(), MatrixData(realEntries({{7, 8}})));
    EXPECT_EQ(workspace.slot(4)->documentName(), file);

    std::ofstream(path("bad.fma")) << "x";
    workspace.slot(4)->setHidden(true);
    prompter.expectOverwriteQuestion(Answer::Yes);
    EXPECT_EQ(operations.files().OpenMatrixFile(path("bad.fma")), code::CannotOpenFile);
    EXPECT_EQ(workspace.slot(4)->matrixData(), MatrixData(realEntries({{7, 8}})));
}

TEST_F(FrameOperationsTest, OpenCommandAsksForAFileOfTheMode) {
    const std::string file = saved("w.fma", ElementKind::Real, realMatrix({{3}}), "");
    prompter.expectOpenFile(std::nullopt);
    EXPECT_EQ(operations.files().open().code, code::Ok);
    EXPECT_TRUE(workspace.occupiedLetters().empty());
    prompter.expectOpenFile(file);
    EXPECT_EQ(operations.files().open().code, code::Ok);
    EXPECT_EQ(workspace.slot(1)->matrixData(), MatrixData(realEntries({{3}})));

    // A file that does not read is named in the message.
    std::ofstream(path("bad.fma")) << "x";
    prompter.expectOpenFile(path("bad.fma"));
    const Outcome<std::string> opened = operations.files().open();
    EXPECT_EQ(opened.code, code::CannotOpenFile);
    prompter.expectError("não foi possível abrir arquivo\n" + path("bad.fma"));
    showError(prompter, opened.code, opened.value);
    EXPECT_EQ(workspace.occupiedLetters().size(), 1U);
}

// The command-line scripts pin what a pasted table holds. A pasted table
// and an opened file take a free letter of the array they go to, whatever
// the mode shown, so nothing there is overwritten unasked.
TEST_F(FrameOperationsTest, PasteAndOpenTakeAFreeLetterOfTheirOwnArray) {
    ASSERT_TRUE(workspace.PlaceMatrix(ElementKind::Real, "", 1, realMatrix({{9}})).stored);
    workspace.setMode(WorkspaceMode::Complex);
    ASSERT_EQ(operations.files().paste("1 2"), code::Ok);
    EXPECT_TRUE(workspace.slot(WorkspaceMode::Real, 2)->modified());
    ASSERT_EQ(
        operations.files().OpenMatrixFile(saved("r.fma", ElementKind::Real, realMatrix({{3}}), "")),
        code::Ok);
    EXPECT_EQ(workspace.slot(WorkspaceMode::Real, 1)->matrixData(), MatrixData(realEntries({{9}})));
    EXPECT_EQ(workspace.slot(WorkspaceMode::Real, 2)->matrixData(),
              MatrixData(realEntries({{1, 2}})));
    EXPECT_EQ(workspace.slot(WorkspaceMode::Real, 3)->matrixData(), MatrixData(realEntries({{3}})));
    EXPECT_TRUE(workspace.occupiedLetters().empty());

    EXPECT_EQ(operations.files().paste("no numbers here"), code::Ok);
    EXPECT_EQ(workspace.slot(WorkspaceMode::Real, 4), nullptr);
}

// A table from a spreadsheet in Portuguese: one question, then commas between
// digits are decimal points. Commas that cannot be decimal commas ask nothing.
TEST_F(FrameOperationsTest, DecimalCommasAreReadAfterOneQuestion) {
    prompter.expect("colar", "vírgulas decimais?", Answer::Yes);
    ASSERT_EQ(operations.files().paste("1,5\t-2,25\r\n3;4,75\r\n"), code::Ok);
    EXPECT_EQ(workspace.slot(1)->matrixData(),
              MatrixData(realEntries({{1.5L, -2.25L}, {3, 4.75L}})));
    prompter.expect("colar", "vírgulas decimais?", Answer::No);
    ASSERT_EQ(operations.files().paste("1,5"), code::Ok);
    EXPECT_EQ(workspace.slot(2)->matrixData(), MatrixData(realEntries({{1, 5}})));
    for (const char* text : {"1, 2", "1,5 2.5", "1,2,3"})
        ASSERT_EQ(operations.files().paste(text), code::Ok) << text;
    EXPECT_EQ(workspace.slot(5)->matrixData(), MatrixData(realEntries({{1, 2, 3}})));
}

TEST_F(FrameOperationsTest, SavedDocumentsComeBackWhole) {
    ComplexMatrix entries(2, 2);
    entries.at(0, 1) = Complex{1.25L, -3.0L};
    MatrixDocument document(2, ElementKind::Complex, entries);
    document.setNotes("matriz de rotação");
    ASSERT_EQ(document.setFormat(3, 20, true), code::Ok);
    ASSERT_EQ(document.writeFile(path("c.cma")), code::Ok);
    EXPECT_FALSE(document.modified());

    MatrixDocument back(2, ElementKind::Complex, ComplexMatrix(1, 1));
    ASSERT_EQ(back.readFile(path("c.cma")), code::Ok);
    EXPECT_EQ(back.matrixData(), MatrixData(entries));
    EXPECT_EQ(back.notes(), "matriz de rotação");
    EXPECT_TRUE(back.SciNotation());

    // A file from a window with fewer fonts and colour roles: the document
    // keeps its own for the missing ones.
    MatrixFile shortRecord;
    ASSERT_EQ(readMatrixFile(path("c.cma"), matrix_kind::kComplex, shortRecord), code::Ok);
    shortRecord.window.fonts.resize(9);
    shortRecord.window.fonts[0].font.height = -40;
    shortRecord.window.colourRoles.resize(14);
    ASSERT_EQ(writeMatrixFile(path("short.cma"), shortRecord), code::Ok);
    ASSERT_EQ(back.readFile(path("short.cma")), code::Ok);
    EXPECT_EQ(back.settings().fonts.size(), 10u);
    EXPECT_EQ(back.settings().colourRoles.size(), 15u);
    EXPECT_EQ(back.settings().fonts[0].font.height, -40);
    EXPECT_EQ(back.settings().fonts[9], document.settings().fonts[9]);
    EXPECT_EQ(back.settings().colourRoles[14], document.settings().colourRoles[14]);

    // Display values no window can show are kept as read: written again,
    // the file is the same.
    MatrixFile extreme = shortRecord;
    extreme.window.fonts[0].font.height = std::numeric_limits<std::int32_t>::min();
    extreme.window.fonts.resize(10, extreme.window.fonts[0]);
    extreme.window.colourRoles.resize(15);
    extreme.fieldWidth = 32767;
    ASSERT_EQ(writeMatrixFile(path("extreme.cma"), extreme), code::Ok);
    ASSERT_EQ(back.readFile(path("extreme.cma")), code::Ok);
    ASSERT_EQ(back.writeFile(path("again.cma")), code::Ok);
    EXPECT_EQ(test::fileBytes(path("again.cma")), test::fileBytes(path("extreme.cma")));

    EXPECT_EQ(back.readFile(path("missing.cma")), code::CannotOpenFile);
    EXPECT_EQ(back.matrixData(), MatrixData(entries));

    MatrixDocument huge(3, ElementKind::Real, ComplexMatrix(1001, 1000));
    EXPECT_EQ(huge.writeFile(path("huge.fma")), code::CannotSaveFile);
    EXPECT_FALSE(std::filesystem::exists(path("huge.fma")));
}

// A file opens as the kind its extension names, so each kind saves only under
// its own extension, in any case, and is told which one that is.
TEST_F(FrameOperationsTest, DocumentsSaveOnlyUnderTheirKindsExtension) {
    struct Case {
        ElementKind kind;
        const char* ownName;
        std::vector<const char*> refusedNames;
        std::string kindName, extension;
    };
    const std::vector<Case> cases = {
        {ElementKind::Real, "r.FMA", {"r.cma", "r.ima", "r", "r.fmat"}, "real", ".fma"},
        {ElementKind::Complex, "c.Cma", {"c.fma", "c.ima", "c.txt"}, "complexa", ".cma"},
        {ElementKind::Integer, "i.ima", {"i.fma", "i.cma", "i.ima.bak"}, "inteira", ".ima"},
    };
    for (const Case& c : cases) {
        MatrixDocument document(1, c.kind, zeroMatrix(c.kind, 1, 1));
        for (const char* name : c.refusedNames) {
            SCOPED_TRACE(name);
            const int rc = document.writeFile(path(name));
            EXPECT_EQ(strings::message(rc), "o arquivo de uma matriz " + c.kindName +
                                                " deve ter a extensão " + c.extension);
            EXPECT_FALSE(std::filesystem::exists(path(name)));
            EXPECT_FALSE(document.named());
        }
        EXPECT_EQ(document.writeFile(path(c.ownName)), code::Ok);
    }
}

}  // namespace
}  // namespace lorvex
