// The echelon dialog driving its step window.

#include "frame/echelon_dialog.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMenuBar>
#include <QPushButton>

#include "frame/letter_list.h"
#include "matwin/display_window.h"
#include "toolkit/commands.h"
#include "toolkit/text_window.h"
#include "ui/frame_fixture.h"

namespace lorvex {
namespace {

using test::commandAction;
using test::realMatrix;

class EchelonDialogTest : public test::FrameFixture {
  protected:
    void press(const char* button) { dialog->findChild<QPushButton*>(button)->click(); }
    TEchDlg* dialog = nullptr;
};

// The reduction's steps are the workspace's; the dialog shows the step window,
// takes one action further per "passos", starts afresh for another matrix and
// saves the result under its letter.
TEST_F(EchelonDialogTest, StepsDriveTheStepWindowAndTheResultIsSaved) {
    EXPECT_FALSE(action(command::Echelon)->isEnabled()) << "no matrix yet";
    placeReal(13, realMatrix({{0, 1}, {1, 1}}));
    TDispWin* window = frame.stepWindow(StepDocument::Echelon);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isVisible()) << "made hidden at set-up";

    action(command::Echelon)->trigger();
    dialog = frame.findChild<TEchDlg*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dialog->findChild<LetterList*>("295")->letter(), 13);

    press("steps");
    expectShown(StepDocument::Echelon, realMatrix({{0, 1}, {1, 1}}), 1, 0);
    EXPECT_EQ(window->windowTitle(), "M --> forma escada");
    press("steps");
    expectShown(StepDocument::Echelon, realMatrix({{1, 1}, {0, 1}}), 0, 0);

    press("rename");
    press("steps");
    expectShown(StepDocument::Echelon, realMatrix({{0, 1}, {1, 1}}), 1, 0);
    press("steps");
    dialog->findChild<LetterList*>("295")->setLetter(1);
    dialog->findChild<LetterList*>("295")->setLetter(13);
    press("steps");
    expectShown(StepDocument::Echelon, realMatrix({{0, 1}, {1, 1}}), 1, 0);

    press("run");
    press("saveAs");
    expectStored(5, realMatrix({{1, 0}, {0, 1}}), "forma escada");

    // On a 3 x 4 matrix the pivot 2 is found, its row divided by it, and the
    // row below cleared, each a "passos" of its own; the last pivot lies in
    // the last column, after a column without one.
    const ComplexMatrix wide = realMatrix({{2, 4, 0, 2}, {1, 3, 1, 0}, {0, 1, 1, 1}});
    placeReal(1, wide);
    dialog->findChild<LetterList*>("295")->setLetter(1);
    press("steps");
    expectShown(StepDocument::Echelon, wide, 0, 0);
    press("steps");
    expectShown(StepDocument::Echelon, realMatrix({{1, 2, 0, 1}, {1, 3, 1, 0}, {0, 1, 1, 1}}), 0,
                0);
    press("steps");
    expectShown(StepDocument::Echelon, realMatrix({{1, 2, 0, 1}, {0, 1, 1, -1}, {0, 1, 1, 1}}), 0,
                0);
    press("rename");
    expectShown(StepDocument::Echelon, wide);
    press("run");  // complete: nothing is highlighted
    expectShown(StepDocument::Echelon, realMatrix({{1, 0, -2, 0}, {0, 1, 1, 0}, {0, 0, 0, 1}}));
}

// [2 4; -3 1]: the strip names each step as it is taken, the list holds
// them all, and the run is exported as plain text; the linear-programming
// window had no run to export.
TEST_F(EchelonDialogTest, TheStripNamesEachStepAndTheRunIsExported) {
    placeReal(13, realMatrix({{2, 4}, {-3, 1}}));
    TDispWin* window = frame.stepWindow(StepDocument::Echelon);
    EXPECT_EQ(window->stepStripText(), "nenhum passo ainda");
    action(command::Echelon)->trigger();
    dialog = frame.findChild<TEchDlg*>();
    const QStringList names{"pivô: linha 1, coluna 1", "L1 ← L1 / 2.00000", "L2 ← L2 + 3.00000·L1"};
    for (int step = 1; step <= 3; ++step) {
        press("steps");
        QCoreApplication::processEvents();
        EXPECT_EQ(window->stepStripText(),
                  QStringLiteral("passo %1: ").arg(step) + names[step - 1]);
    }
    EXPECT_EQ(window->stepListTexts(),
              QStringList({"1. " + names[0], "2. " + names[1], "3. " + names[2]}));

    const QString path = folder.filePath("solucao.txt");
    prompter.expectChoices("exportar solução", std::vector<int>{2});
    prompter.expectSaveFile(path.toStdString());
    commandAction(*window, command::ExportSolution)->trigger();
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(written.readAll());
    EXPECT_TRUE(text.startsWith("início\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\n3. L2 ← L2 + 3.00000·L1\n")) << text.toStdString();

    prompter.expectError("nada a fazer");
    commandAction(*frame.stepWindow(StepDocument::LinearProgramming), command::ExportSolution)
        ->trigger();
}

TEST_F(EchelonDialogTest, StepWindowsHaveTheShortMenu) {
    TDispWin* window = frame.stepWindow(StepDocument::Echelon);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "forma escada");
    const QList<QAction*> top = window->menuBar()->actions();
    EXPECT_EQ(test::actionTexts(top), QStringList({"&Arquivo", "&Misc", "Aj&uda"}));
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(test::actionTexts(top[0]->menu()->actions()),
              QStringList({"&Salvar", "Salvar &Como ...", "&Texto externo ...",
                           "Exportar s&olução ...", "&Ajuda ..."}));
    EXPECT_EQ(
        test::actionTexts(top[1]->menu()->actions()),
        QStringList({"&Fonte ...", "Hifen do &menos ...", "&Cor Bordo ...", "Cor em &highlight ...",
                     "F&rações", "Idioma / Language", "&Ajuda ..."}));

    top[2]->trigger();
    EXPECT_TRUE(window->helpWindow()->isVisible()) << "the echelon help text exists";
}

}  // namespace
}  // namespace lorvex
