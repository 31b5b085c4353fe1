#include "toolkit/text_window.h"

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTextCursor>

#include "engine/result_codes.h"
#include "toolkit/program_resources.h"
#include "ui/matrix_window_fixture.h"
#include "workspace/file_test_support.h"
#include "workspace/language.h"

namespace lorvex {
namespace {

using Answer = Prompter::Answer;
using namespace std::string_literals;
using Found = std::pair<QString, int>;  // the selected text and where it starts

class TextWindowTest : public ::testing::Test {
  protected:
    QAction* action(int command) { return test::commandAction(window, command); }
    QString selected() const { return window.editor()->textCursor().selectedText(); }
    Found found() const { return {selected(), window.editor()->textCursor().selectionStart()}; }
    Found findNext() {
        action(command::FindNext)->trigger();
        return found();
    }
    void typeAtEnd(const QString& text) {
        window.editor()->moveCursor(QTextCursor::End);
        window.editor()->insertPlainText(text);
    }

    test::ScriptedPrompter prompter;
    TTextWin window{prompter};
};

TEST_F(TextWindowTest, FindIgnoresCaseAndGoesOnFromTheCaret) {
    window.setText("Alfa beta\r\nALFA gama\r\nalfa");
    EXPECT_FALSE(action(command::FindNext)->isEnabled()) << "no search text yet";

    prompter.expectFields("entrada", std::vector<std::string>{"alfa"});
    action(command::Find)->trigger();
    EXPECT_EQ(found(), Found("Alfa", 0));
    EXPECT_TRUE(action(command::FindNext)->isEnabled());

    EXPECT_EQ(findNext(), Found("ALFA", 10));
    EXPECT_EQ(findNext(), Found("alfa", 20));

    prompter.expect("não foi possível encontrar", "alfa", Answer::Ok);
    action(command::FindNext)->trigger();

    // "Início" goes back to the start, where the search begins again.
    action(command::Home)->trigger();
    EXPECT_EQ(findNext(), Found("Alfa", 0));

    // A first search that finds nothing says nothing; the dialog offers the
    // last search text.
    prompter.expectFields("entrada", std::vector<std::string>{"zeta"});
    action(command::Find)->trigger();
    EXPECT_EQ(prompter.lastFields().fields.at(0).text, "alfa");
    EXPECT_EQ(found(), Found("Alfa", 0));

    // An empty search text leaves nothing to search for next.
    prompter.expectFields("entrada", std::vector<std::string>{""});
    action(command::Find)->trigger();
    EXPECT_FALSE(action(command::FindNext)->isEnabled());
}

TEST_F(TextWindowTest, KeepsAtMost64000Characters) {
    const QString kept = QString(63999, 'a') + 'b';
    window.setText(kept + QString(6000, 'c'));
    EXPECT_EQ(window.editor()->toPlainText(), kept);
    EXPECT_FALSE(window.modified());
    typeAtEnd("xyz");
    EXPECT_EQ(window.editor()->toPlainText(), kept) << "typing beyond the limit is refused";

    // A character outside the basic plane (two UTF-16 units) is kept whole or not at all.
    const QString outside = QString::fromUtf8("\xF0\x9D\x9C\x8B");
    EXPECT_EQ(firstCharacters("a" + outside + "b", 2), "a" + outside);
}

TEST_F(TextWindowTest, SavesWithATrailingNulReadsUpToItAndAsksAboutChanges) {
    test::TemporaryFolder folder;
    const std::string path = (folder / "tabela.txt").string();
    window.setText("linha 1\r\nlinha 2");
    window.setDocumentName("matriz.txt", false);
    EXPECT_FALSE(action(command::Save)->isEnabled()) << "nothing to save before a change";

    typeAtEnd("!");
    EXPECT_TRUE(action(command::Save)->isEnabled());
    prompter.expectSaveFile(path);
    window.setWindowTitle("matriz A");
    QSignalSpy titles(&window, &QWidget::windowTitleChanged);
    action(command::Save)->trigger();
    EXPECT_EQ(titles, (QList<QVariantList>{{"salvar mudanças para  tabela.txt"}, {"matriz A"}}))
        << "the title while saving, then back";
    EXPECT_EQ(prompter.lastProposedName(), "matriz.txt");
    EXPECT_EQ(prompter.lastSaveFilter(), "Arquivo de Texto (*.TXT)|*.txt");
    const std::string saved = "linha 1\r\nlinha 2!\0"s;
    const test::Bytes bytes(saved.begin(), saved.end());
    EXPECT_EQ(test::fileBytes(path), bytes);
    EXPECT_TRUE(window.named());
    EXPECT_EQ(window.documentName(), path);
    EXPECT_FALSE(window.modified());
    EXPECT_FALSE(action(command::Save)->isEnabled());

    // Save As onto an existing file asks first; "&não" writes nothing.
    typeAtEnd("?");
    prompter.expectSaveFile(path);
    prompter.expectOverwriteQuestion(Answer::No);
    action(command::SaveAs)->trigger();
    EXPECT_EQ(test::fileBytes(path), bytes);
    EXPECT_TRUE(window.modified());

    // A file that cannot be written leaves the window modified.
    prompter.expectSaveFile((folder / "no folder" / "x.txt").string());
    prompter.expectError("não foi possível salvar arquivo");
    action(command::SaveAs)->trigger();
    EXPECT_TRUE(window.modified());

    const auto notes = folder / "notas.txt";
    test::putFile(notes, "um\r\ndois\0xy"s);
    prompter.expect("cuidado!", "salvar mudanças para tabela.txt?", Answer::No);
    prompter.expectOpenFile(notes.string());
    action(command::Open)->trigger();
    EXPECT_EQ(window.text(), "um\r\ndois");
    EXPECT_EQ(window.documentName(), notes.string());

    EXPECT_TRUE(window.mayClose()) << "nothing changed";

    // Opening another file asks first; Cancel keeps the changed text.
    typeAtEnd(" novo");
    prompter.expect("cuidado!", "salvar mudanças para notas.txt?", Answer::Cancel);
    action(command::Open)->trigger();
    EXPECT_TRUE(window.modified());
    prompter.expect("cuidado!", "salvar mudanças para notas.txt?", Answer::No);
    EXPECT_TRUE(window.mayClose());
    EXPECT_FALSE(window.modified());
}

TEST_F(TextWindowTest, MinusSignsBecomeTheCharacterOfACode) {
    window.setText("-3 e 4-5");
    prompter.expectFields("hifen longo", std::vector<std::string>{"150"});
    action(command::MinusSign)->trigger();
    EXPECT_EQ(prompter.lastFields().fields.at(0).label, "valor ASCII do novo sinal menos");
    EXPECT_EQ(prompter.lastFields().fields.at(0).text, "150");
    EXPECT_EQ(window.text(), QString::fromUtf8("\u20133 e 4\u20135"));
    EXPECT_TRUE(window.modified());

    window.setText("-1");
    prompter.expectFields("hifen longo", std::vector<std::string>{"1"});
    prompter.expectError("não foi possível compreender");
    action(command::MinusSign)->trigger();
    EXPECT_EQ(window.text(), "-1");

    // Control codes from 2 on are taken too, unlike a matrix window's long minus.
    window.setText("-1");
    prompter.expectFields("hifen longo", std::vector<std::string>{"2"});
    action(command::MinusSign)->trigger();
    EXPECT_EQ(window.text(), QString(QChar(2)) + "1");
}

TEST_F(TextWindowTest, HelpTextsAreShownUpToTheirMarker) {
    EXPECT_EQ(window.showHelpText("LVMFILEH"), code::Ok);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.Hidden());
    EXPECT_EQ(window.windowTitle(), "ajuda do lorvex");
    EXPECT_EQ(window.documentName(), "ajuda.txt");
    EXPECT_TRUE(window.text().startsWith("AJUDA DO MENU \"ARQUIVO\""));
    EXPECT_FALSE(window.text().contains("???"));
    EXPECT_FALSE(window.text().contains(QString::fromUtf8("Manutenção")));

    EXPECT_EQ(window.showHelpText("LVMEDITH", "desfazer"), code::Ok);
    EXPECT_EQ(selected(), "Desfazer");

    // The step windows name help texts that the program does not have.
    prompter.expectError("não foi possível abrir arquivo");
    EXPECT_EQ(window.showHelpText("MATHELP"), code::CannotOpenFile);

    action(command::Hide)->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.Hidden());

    EXPECT_EQ(shownHelpText("antes???depois???"), "antes");
    EXPECT_EQ(shownHelpText(QString(64005, 'x') + "???").size(), 64000);
}

// Every help text, in each language, ends its shown part on how to stop a
// computation and keeps its maintenance note hidden.
TEST_F(TextWindowTest, EveryHelpTextTellsHowToStopAComputation) {
    struct Wording {
        Language language;
        const char* key;
        const char* cancel;
        const char* maintenance;
    };
    for (const Wording& wording :
         {Wording{Language::Portuguese, "tecla S", "\"cancelar\"", "Manutenção:"},
          Wording{Language::English, "S key", "\"cancel\"", "Maintenance:"}}) {
        setLanguage(wording.language);
        for (const char* name : {"LVFILEH", "LVCALCH", "LVVIEWH", "PROGHELP", "LVMFILEH",
                                 "LVMEDITH", "LVMMISCH", "LPHELP", "ECHHELP", "OPERHELP"}) {
            SCOPED_TRACE(name);
            const QString raw = helpText(name).value_or(QString());
            EXPECT_TRUE(shownHelpText(raw).contains(wording.key));
            EXPECT_TRUE(shownHelpText(raw).contains(wording.cancel));
            EXPECT_TRUE(
                raw.section("???", 1).trimmed().startsWith(QString::fromUtf8(wording.maintenance)));
        }
    }
    EXPECT_TRUE(helpText("PROGHELP")->startsWith("LORVEX - MATRIX CALCULATOR"));
    setLanguage(Language::Portuguese);
    EXPECT_TRUE(helpText("PROGHELP")->startsWith("LORVEX - CALCULADORA DE MATRIZES"));
    EXPECT_FALSE(programIcon().isNull());
}

// An installation's own help texts come before the program's copies.
TEST_F(TextWindowTest, HelpTextsOfTheDataFolderComeFirst) {
    test::TemporaryFolder data;
    std::filesystem::create_directory(data / "help");
    test::putFile(data / "help" / "LPHELP.txt", "ok"s);
    const QString folder = QString::fromStdString(data.path().string());

    EXPECT_EQ(helpText("LPHELP", folder), "ok");
    EXPECT_EQ(helpText("ECHHELP", folder), helpText("ECHHELP"));
    EXPECT_EQ(helpText("MATHELP", folder), std::nullopt);
}

}  // namespace
}  // namespace lorvex
