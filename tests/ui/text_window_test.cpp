#include "toolkit/text_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "engine/result_codes.h"
#include "toolkit/commands.h"
#include "toolkit/program_resources.h"
#include "workspace/file_test_support.h"
#include "workspace/scripted_prompter.h"

namespace lorvex {
namespace {

using Answer = Prompter::Answer;

class TextWindowTest : public ::testing::Test {
  protected:
    QAction* action(int command) {
        return window.findChild<QAction*>(QStringLiteral("command%1").arg(command));
    }
    QString selected() const { return window.editor()->textCursor().selectedText(); }
    int selectionStart() const { return window.editor()->textCursor().selectionStart(); }
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
    EXPECT_EQ(selected(), "Alfa");
    EXPECT_EQ(selectionStart(), 0);
    EXPECT_TRUE(action(command::FindNext)->isEnabled());

    action(command::FindNext)->trigger();
    EXPECT_EQ(selected(), "ALFA");
    EXPECT_EQ(selectionStart(), 10);
    action(command::FindNext)->trigger();
    EXPECT_EQ(selected(), "alfa");
    EXPECT_EQ(selectionStart(), 20);

    prompter.expect("não foi possível encontrar", "alfa", Answer::Ok);
    action(command::FindNext)->trigger();

    // "Início" goes back to the start, where the search begins again.
    action(command::Home)->trigger();
    action(command::FindNext)->trigger();
    EXPECT_EQ(selectionStart(), 0);

    // A first search that finds nothing says nothing; the dialog offers the
    // last search text.
    prompter.expectFields("entrada", std::vector<std::string>{"zeta"});
    action(command::Find)->trigger();
    EXPECT_EQ(prompter.lastFields().fields.at(0).text, "alfa");
    EXPECT_EQ(selected(), "Alfa");

    // An empty search text leaves nothing to search for next.
    prompter.expectFields("entrada", std::vector<std::string>{""});
    action(command::Find)->trigger();
    EXPECT_FALSE(action(command::FindNext)->isEnabled());
}

TEST_F(TextWindowTest, KeepsAtMost64000Characters) {
    const QString text = QString(63999, 'a') + 'b' + QString(6000, 'c');
    window.setText(text);
    QString shown = window.editor()->toPlainText();
    EXPECT_EQ(shown.size(), 64000);
    EXPECT_EQ(shown.back(), 'b');
    EXPECT_FALSE(window.modified());

    typeAtEnd("xyz");
    shown = window.editor()->toPlainText();
    EXPECT_EQ(shown.size(), 64000) << "typing beyond the limit is refused";
    EXPECT_EQ(shown.back(), 'b');

    // A character outside the basic plane is kept whole or not at all.
    EXPECT_EQ(firstCharacters(QString::fromUtf8("a\xF0\x9D\x9C\x8B"
                                                "b"),
                              2),
              QString::fromUtf8("a\xF0\x9D\x9C\x8B"));
}

TEST_F(TextWindowTest, SaveAsksForANameThenWritesTheTextAndANulByte) {
    test::TemporaryFolder folder;
    const std::string path = (folder / "tabela.txt").string();
    window.setText("linha 1\r\nlinha 2");
    window.setDocumentName("matriz.txt", false);
    EXPECT_FALSE(action(command::Save)->isEnabled()) << "nothing to save before a change";

    typeAtEnd("!");
    EXPECT_TRUE(action(command::Save)->isEnabled());
    prompter.expectSaveFile(path);
    action(command::Save)->trigger();
    EXPECT_EQ(prompter.lastProposedName(), "matriz.txt");
    EXPECT_EQ(prompter.lastSaveFilter(), "Arquivo de Texto (*.TXT)|*.txt");
    const std::string expected = "linha 1\r\nlinha 2!";
    test::Bytes bytes(expected.begin(), expected.end());
    bytes.push_back(0);
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

    prompter.expectSaveFile(path);
    prompter.expectOverwriteQuestion(Answer::Yes);
    action(command::SaveAs)->trigger();
    EXPECT_EQ(test::fileBytes(path).size(), bytes.size() + 1);

    // A file that cannot be written leaves the window modified.
    typeAtEnd("+");
    prompter.expectSaveFile((folder / "no folder" / "x.txt").string());
    prompter.expectError("não foi possível salvar arquivo");
    action(command::SaveAs)->trigger();
    EXPECT_TRUE(window.modified());
}

TEST_F(TextWindowTest, OpenReadsUpToTheNulByte) {
    test::TemporaryFolder folder;
    const auto path = folder / "notas.txt";
    test::putFile(path, std::string("um\r\ndois\0xy", 11));
    prompter.expectOpenFile(path.string());
    action(command::Open)->trigger();
    EXPECT_EQ(window.text(), "um\r\ndois");
    EXPECT_TRUE(window.named());
    EXPECT_EQ(window.documentName(), path.string());

    prompter.expectOpenFile((folder / "missing.txt").string());
    prompter.expectError("não foi possível abrir arquivo");
    action(command::Open)->trigger();
    EXPECT_EQ(window.text(), "um\r\ndois");
}

TEST_F(TextWindowTest, UnsavedChangesAreAskedAbout) {
    window.setText("texto");
    window.setDocumentName("/tmp/pasta/relatorio.txt", true);
    EXPECT_TRUE(window.mayClose()) << "nothing changed";

    typeAtEnd(" novo");
    prompter.expect("cuidado!", "salvar mudanças para relatorio.txt?", Answer::Cancel);
    EXPECT_FALSE(window.mayClose());
    EXPECT_TRUE(window.modified());

    // Opening another file asks the same question first.
    prompter.expect("cuidado!", "salvar mudanças para relatorio.txt?", Answer::Cancel);
    action(command::Open)->trigger();

    prompter.expect("cuidado!", "salvar mudanças para relatorio.txt?", Answer::No);
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
    prompter.expectError("não foi possível abrir arquivo");
    EXPECT_EQ(window.showHelpText("MATFILEHELP"), code::CannotOpenFile);

    action(command::Hide)->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.Hidden());

    EXPECT_EQ(shownHelpText("antes???depois???"), "antes");
    EXPECT_EQ(shownHelpText(QString(64005, 'x') + "???").size(), 64000);
}

TEST_F(TextWindowTest, EveryHelpTextTellsHowToStopAComputation) {
    for (const char* name : {"LVFILEH", "LVCALCH", "LVVIEWH", "PROGHELP", "LVMFILEH", "LVMEDITH",
                             "LVMMISCH", "LPHELP", "ECHHELP", "OPERHELP"}) {
        const std::optional<QString> raw = helpText(name);
        ASSERT_TRUE(raw.has_value()) << name;
        const QString shown = shownHelpText(*raw);
        EXPECT_TRUE(shown.contains("tecla S")) << name;
        EXPECT_TRUE(shown.contains("\"cancelar\"")) << name;
        const qsizetype marker = raw->indexOf("???");
        ASSERT_GT(marker, 0) << name;
        EXPECT_TRUE(raw->mid(marker + 3).trimmed().startsWith(QString::fromUtf8("Manutenção:")))
            << name;
    }
    EXPECT_FALSE(programIcon().isNull());
}

}  // namespace
}  // namespace lorvex
