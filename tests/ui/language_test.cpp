#include "workspace/language.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <memory>

#include "frame/mat_frame.h"
#include "matwin/display_window.h"
#include "toolkit/commands.h"
#include "toolkit/language_choice.h"
#include "toolkit/program_settings.h"
#include "toolkit/text_window.h"
#include "ui/matrix_window_fixture.h"

namespace lorvex {
namespace {

using Answer = Prompter::Answer;

// The frame over a workspace of its own, built in the language in use.
struct Program {
    QTemporaryDir folder;
    test::ScriptedPrompter prompter;
    Workspace workspace{prompter};
    RandomGenerator random{7};
    FrameOperations operations{workspace, random};
    TMatFrame frame{operations, folder.path().toStdString()};
    Program() { frame.setUp(); }
};

// One matrix window of each kind, built in the language in use.
struct MatrixWindows {
    test::ScriptedPrompter prompter;
    std::vector<std::unique_ptr<MatrixDocument>> documents;
    std::vector<std::unique_ptr<TMatWin>> windows;
    MatrixWindows() {
        documents.push_back(
            std::make_unique<MatrixDocument>(1, ElementKind::Real, test::realMatrix({{1}})));
        documents.push_back(
            std::make_unique<MatrixDocument>(2, ElementKind::Complex, test::realMatrix({{1}})));
        documents.push_back(
            std::make_unique<MatrixDocument>(3, ElementKind::Integer, test::integerMatrix({{1}})));
        for (const auto& document : documents)
            windows.push_back(std::make_unique<TMatWin>(*document, prompter, nullptr));
    }
};

// "<where>: Alt+<letter>" for each mnemonic two items of one menu share, the
// menu bar's titles and every submenu included.
void collectClashes(const QString& where, const QList<QAction*>& items, QStringList& clashes) {
    QList<QKeySequence> seen;
    for (const QAction* item : items) {
        const QKeySequence key = QKeySequence::mnemonic(item->text());
        if (!key.isEmpty() && seen.contains(key)) clashes << where + ": " + key.toString();
        seen << key;
        if (item->menu() != nullptr)
            collectClashes(QString(item->text()).remove('&'), item->menu()->actions(), clashes);
    }
}

QStringList clashesOf(const QString& window, QMainWindow& shown) {
    QStringList clashes;
    collectClashes(window, shown.menuBar()->actions(), clashes);
    return clashes;
}

// Every menu of the frame in each mode, of a matrix window of each kind, of
// the step windows and of a text window, in each language.
QStringList acceleratorClashes(Language language) {
    setLanguage(language);
    QStringList clashes;
    Program program;
    for (const WorkspaceMode mode :
         {WorkspaceMode::Real, WorkspaceMode::Complex, WorkspaceMode::Integer}) {
        program.frame.setMode(mode);
        for (const QString& clash : clashesOf("frame", program.frame))
            clashes << QStringLiteral("%1 (mode %2)").arg(clash).arg(static_cast<int>(mode));
    }
    for (const StepDocument which :
         {StepDocument::LinearProgramming, StepDocument::Echelon, StepDocument::Operations})
        clashes << clashesOf("step", *program.frame.stepWindow(which));
    MatrixWindows matrices;
    for (const auto& window : matrices.windows)
        clashes << clashesOf("matrix", *window);
    clashes << clashesOf("text", *matrices.windows[0]->textWindow());
    setLanguage(Language::Portuguese);
    return clashes;
}

// The Portuguese menus share a letter where "&Colar" meets "&Copiar coluna"
// and "Aj&uda ..." meets "&Unitária ...", and "&Formato ..." meets
// "&Fonte ..."; the English ones share none.
TEST(LanguageTest, NoMenuHasTwoItemsWithOneAccelerator) {
    EXPECT_EQ(acceleratorClashes(Language::Portuguese),
              (QStringList{"Matriz: Alt+C (mode 0)", "Matriz: Alt+C (mode 2)",
                           "Matriz: Alt+U (mode 2)", "Misc: Alt+F", "Misc: Alt+F", "Misc: Alt+F"}));
    EXPECT_EQ(acceleratorClashes(Language::English), QStringList());
}

// Built in English, the windows show English menus, and their messages
// (here the one for a help text the program lacks) are English too.
TEST(LanguageTest, WindowsBuiltInEnglishSpeakEnglish) {
    setLanguage(Language::English);
    Program program;
    MatrixWindows matrices;
    setLanguage(Language::Portuguese);

    const QList<QAction*> frameMenus = program.frame.menuBar()->actions();
    EXPECT_EQ(frameMenus.first()->text(), "&Matrix");
    EXPECT_EQ(frameMenus.last()->text(), "&Help");
    const QList<QAction*> windowMenus = matrices.windows[0]->menuBar()->actions();
    EXPECT_EQ(windowMenus.first()->text(), "&File");
    EXPECT_EQ(test::commandAction(*matrices.windows[0], command::SaveAs)->text(), "Save &as ...");

    setLanguage(Language::English);
    program.prompter.expectError("could not open file");
    test::commandAction(*program.frame.stepWindow(StepDocument::Echelon), command::HelpFourthMenu)
        ->trigger();
    setLanguage(Language::Portuguese);
}

// A choice made in any window is kept for the next start and said in the
// language chosen; choosing the language already chosen says nothing.
TEST(LanguageTest, ChoosingALanguageKeepsItForTheNextStart) {
    const QTemporaryDir settings;
    setProgramSettingsFolder(settings.path());
    Program program;
    MatrixWindows matrices;
    const auto choose = [](const QObject& window, const char* item) {
        window.findChild<QAction*>(item)->trigger();
        return programSettings()->value("language").toString();
    };

    matrices.prompter.expect(
        "lorvex", "The chosen language takes effect the next time lorvex starts.", Answer::Ok);
    EXPECT_EQ(choose(*matrices.windows[0], "languageEnglish"), "en");
    EXPECT_EQ(startLanguage(), Language::English);
    EXPECT_EQ(currentLanguage(), Language::Portuguese);

    program.prompter.expect(
        "lorvex", "O idioma escolhido vale a partir do próximo início do lorvex.", Answer::Ok);
    EXPECT_EQ(choose(program.frame, "languagePortuguese"), "pt");
    EXPECT_EQ(choose(*program.frame.stepWindow(StepDocument::Echelon), "languagePortuguese"), "pt");
    EXPECT_EQ(startLanguage(), Language::Portuguese);
}

}  // namespace
}  // namespace lorvex
