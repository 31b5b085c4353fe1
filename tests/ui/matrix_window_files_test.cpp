#include <QPlainTextEdit>

#include "engine/result_codes.h"
#include "toolkit/colour_window.h"
#include "toolkit/note_window.h"
#include "toolkit/text_window.h"
#include "ui/matrix_window_fixture.h"
#include "workspace/file_test_support.h"
#include "workspace/matrix_file.h"

namespace lorvex {
namespace {

using Answer = Prompter::Answer;
using test::realMatrix;

std::string fileText(const std::filesystem::path& path) {
    const test::Bytes bytes = test::fileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}
WindowRect rectOf(QRect r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

class MatrixWindowFilesTest : public test::MatrixWindowFixture {
  protected:
    ~MatrixWindowFilesTest() override { window.reset(); }  // before its folder goes
    std::string path(const std::string& name) { return (folder / name).string(); }

    test::TemporaryFolder folder;
};

TEST_F(MatrixWindowFilesTest, SaveWritesAFileThatReadsBackTheSame) {
    open(realMatrix({{1, 2, 3}, {4, 5, -6}}));
    document->setNotes("abc");

    prompter.expectSaveFile(path("a.fma"));
    action(command::Save)->trigger();
    EXPECT_EQ(prompter.lastProposedName(), "mat1.fma");
    EXPECT_EQ(prompter.lastSaveFilter(), "Arquivos Matriz (*.FMA)|*.fma");

    // The fields' layout is the workspace's; the window adds its place.
    MatrixFile file;
    ASSERT_EQ(readMatrixFile(path("a.fma"), 0, file), code::Ok);
    EXPECT_EQ(file.window.rect, rectOf(window->geometry()));
    EXPECT_TRUE(document->named());
    EXPECT_EQ(document->documentName(), path("a.fma"));
    EXPECT_FALSE(document->modified());
    EXPECT_EQ(window->notesWindow()->windowTitle(), " [a.fma]");

    // Once named, Save asks nothing.
    document->setNotes("abcd");
    action(command::Save)->trigger();
    ASSERT_EQ(readMatrixFile(path("a.fma"), 0, file), code::Ok);
    EXPECT_EQ(file.notes, "abcd");

    // Save As asks again, proposing the current name.
    prompter.expectSaveFile(path("b.fma"));
    action(command::SaveAs)->trigger();
    EXPECT_EQ(prompter.lastProposedName(), path("a.fma"));
    EXPECT_EQ(document->documentName(), path("b.fma"));
}

// The texts for each choice are the workspace's; the first group chooses the
// delimiter, the second the alignment.
TEST_F(MatrixWindowFilesTest, TexExportWritesTheChosenDelimitersAndAlignment) {
    open(realMatrix({{1, 2}, {3, 4}}));
    prompter.expectSaveFile(std::nullopt);
    action(command::TexExport)->trigger();
    prompter.expectSaveFile(path("m.tex"));
    prompter.expectChoices("TeX matriz", std::nullopt);
    action(command::TexExport)->trigger();
    EXPECT_FALSE(std::filesystem::exists(folder / "m.tex")) << "a dialog declined ends it";

    prompter.expectSaveFile(path("m.tex"));
    prompter.expectChoices("TeX matriz", std::vector<int>{2, 0});
    prompter.expect("sucesso", "Arquivo TeX salvo", Answer::Ok);
    action(command::TexExport)->trigger();
    EXPECT_EQ(prompter.lastProposedName(), "semnome.tex");
    EXPECT_EQ(prompter.lastSaveFilter(), "TeX Files (*.TEX)|*.tex|");
    EXPECT_EQ(
        prompter.lastChoices().groups,
        (std::vector<std::vector<std::string>>{{" matriz", "( matriz)", "[ matriz ]", "| matriz |"},
                                               {"entrada ....", ".. entrada ..", ".... entrada"}}));
    EXPECT_EQ(prompter.lastChoices().initial, (std::vector<int>{1, 1}));
    EXPECT_EQ(fileText(folder / "m.tex"),
              "\\left[\\matrix{\r\n"
              "1.00000\\hfill&2.00000\\hfill\\cr\r\n"
              "3.00000\\hfill&4.00000\\hfill\\cr\r\n"
              "}\\right]\r\n");
}

TEST_F(MatrixWindowFilesTest, PlainTextGoesToTheTextWindowUnlessTooLarge) {
    open(ComplexMatrix(100, 100));
    prompter.expectError("mais nenhum espaço");
    action(command::TextExport)->trigger();
    EXPECT_FALSE(window->textWindow()->isVisible());

    open(realMatrix({{1, -2}, {3.5, 4}}));
    ASSERT_EQ(document->setFormat(5, 8, false), code::Ok);
    action(command::TextExport)->trigger();
    TTextWin* text = window->textWindow();
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(text->windowTitle(), "matriz A");
    EXPECT_EQ(text->documentName(), "matriz.txt");
    EXPECT_EQ(text->text(), " 1.00000  -2.00000  \r\n 3.50000   4.00000  \r\n");
}

TEST_F(MatrixWindowFilesTest, NotesShownAndClosedMarkTheMatrixModified) {
    open(ComplexMatrix(1, 1));
    document->setNotes("A + B");
    EXPECT_FALSE(document->modified());
    action(command::Notes)->trigger();
    TNoteWin* notes = window->notesWindow();
    EXPECT_TRUE(notes->isVisible());
    EXPECT_EQ(notes->text(), "A + B");
    EXPECT_EQ(notes->windowTitle(), " [mat1.fma]");
    EXPECT_TRUE(document->modified());

    document->setModified(false);
    notes->editor()->moveCursor(QTextCursor::End);
    notes->editor()->insertPlainText(" e C");
    EXPECT_EQ(document->notes(), "A + B e C");
    EXPECT_FALSE(document->modified());
    notes->findChild<QAction*>("command357")->trigger();
    EXPECT_FALSE(notes->isVisible());
    EXPECT_TRUE(document->modified());

    // Notes stored into the matrix from outside show when it is replaced.
    document->setNotes("zeros");
    window->contentsReplaced();
    EXPECT_EQ(notes->text(), "zeros");
}

TEST_F(MatrixWindowFilesTest, EachMenuShowsItsHelpText) {
    open(ComplexMatrix(1, 1));
    const std::pair<int, const char*> menus[] = {
        {command::HelpFirstMenu, "AJUDA DO MENU \"ARQUIVO\""},
        {command::HelpSecondMenu, "AJUDA DO MENU \"EDITAR\""},
        {command::HelpThirdMenu, "AJUDA DO MENU \"MISC\""}};
    for (const auto& [command, heading] : menus) {
        action(command)->trigger();
        EXPECT_TRUE(window->helpWindow()->isVisible());
        EXPECT_TRUE(window->helpWindow()->text().startsWith(heading)) << command;
    }
}

TEST_F(MatrixWindowFilesTest, FontsAndColoursComeFromTheSettingsRecord) {
    open(ComplexMatrix(2, 2));
    const int narrow = window->view()->CellWidth();
    document->settings().fonts[0].font.height = -32;
    window->settingsChanged();
    EXPECT_EQ(window->view()->entryFont().pixelSize(), 32);
    EXPECT_GT(window->view()->CellWidth(), narrow);

    action(command::BorderColor)->trigger();
    TColWin* colours = window->colourWindow();
    ASSERT_NE(colours, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(colours));
    EXPECT_EQ(colours->windowTitle(), "bordo");
    EXPECT_EQ(colours->currentIndex(), 4);
    QWidget* swatches = colours->swatches();
    QTest::mouseClick(swatches, Qt::LeftButton, {},
                      TColWin::swatchRect(6, swatches->size()).center());
    EXPECT_EQ(document->settings().colourRoles[9], 6);
}

TEST_F(MatrixWindowFilesTest, UnsavedWorkIsAskedAboutBeforeTheEnd) {
    open(ComplexMatrix(1, 1));
    document->setModified(true);
    prompter.expect("cuidado!", "salvar mudanças para mat1.fma?", Answer::No);
    EXPECT_TRUE(window->mayClose());
    EXPECT_FALSE(document->modified());

    action(command::TextExport)->trigger();
    window->textWindow()->editor()->insertPlainText("x");
    prompter.expect("cuidado!", "salvar mudanças para matriz.txt?", Answer::Cancel);
    EXPECT_FALSE(window->mayClose());
}

TEST_F(MatrixWindowFilesTest, TheLastWindowClosedLeavesItsSettingsToTheNext) {
    const TMatWin::Options options{folder.path(), false};
    open(ComplexMatrix(1, 1), ElementKind::Real, options);
    document->settings().fonts[0].font.height = -30;
    window->setGeometry(30, 40, 500, 300);
    const QRect placed = window->geometry();
    window->writeSettingsFile();

    // The size, not the place: new windows are placed by the frame.
    open(ComplexMatrix(1, 1), ElementKind::Real, options);
    EXPECT_EQ(window->view()->entryFont().pixelSize(), 30);
    EXPECT_EQ(TMatWin(*document, prompter, nullptr, options).size(), placed.size());

    // With UseDefaults the file is not read, but still written, naming the
    // matrix it was written by.
    open(ComplexMatrix(1, 1), ElementKind::Real, {folder.path(), true});
    EXPECT_EQ(document->settings().fonts[0].font.height,
              matrixWindowDefaults().fonts[0].font.height);
    document->setDocumentName(path("c.fma"), true);
    window->writeSettingsFile();
    MatrixWindowSettings stored;
    ASSERT_EQ(readMatrixWindowSettings(folder.path(), stored), code::Ok);
    EXPECT_EQ(stored.lastDocumentName, path("c.fma"));
}

// With OpenLastDoc a new matrix window reads the matrix file that the
// settings file names last; a file of another kind is left alone.
TEST_F(MatrixWindowFilesTest, OpenLastDocReadsTheLastDocumentNamed) {
    MatrixDocument saved(2, ElementKind::Real, realMatrix({{1, 2}, {3, 4}}));
    ASSERT_EQ(saved.writeFile(path("c.fma")), code::Ok);
    MatrixWindowSettings stored;
    stored.lastDocumentName = path("c.fma");
    ASSERT_EQ(writeMatrixWindowSettings(folder.path(), stored), code::Ok);
    TMatWin::Options options{folder.path(), false, nullptr, true};
    open(ComplexMatrix(3, 3), ElementKind::Real, options);
    EXPECT_EQ(document->matrixData(), saved.matrixData());
    EXPECT_EQ(document->documentName(), path("c.fma"));
    EXPECT_FALSE(document->modified());

    open(ComplexMatrix(3, 3), ElementKind::Complex, options);
    EXPECT_EQ(document->Rows(), 3);
}

// A matrix read from a file keeps its own settings; a new one reports a
// damaged settings file and takes the defaults.
TEST_F(MatrixWindowFilesTest, OnlyANewMatrixTakesTheSettingsFile) {
    MatrixWindowSettings stored;
    stored.window.fonts[0].font.height = -30;
    ASSERT_EQ(writeMatrixWindowSettings(folder.path(), stored), code::Ok);
    document = std::make_unique<MatrixDocument>(2, ElementKind::Real, ComplexMatrix(1, 1));
    document->setDocumentName(path("b.fma"), true);
    document->settings().fonts[0].font.height = -12;
    window = std::make_unique<TMatWin>(*document, prompter, nullptr,
                                       TMatWin::Options{folder.path(), false});
    EXPECT_EQ(document->settings().fonts[0].font.height, -12);
    EXPECT_EQ(window->view()->entryFont().pixelSize(), 12);

    std::vector<std::uint8_t> bytes = encodeMatrixWindowSettings(stored);
    test::putInt32(bytes, 4, 0);  // version 0
    test::putFile(folder / "lorv.ini", bytes);
    prompter.expectError("arquivo ini danificado");
    open(ComplexMatrix(1, 1), ElementKind::Real, {folder.path(), false});
    EXPECT_EQ(document->settings().fonts, matrixWindowDefaults().fonts);
}

}  // namespace
}  // namespace lorvex
