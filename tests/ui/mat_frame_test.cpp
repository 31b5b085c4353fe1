#include "frame/mat_frame.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "engine/result_codes.h"
#include "toolkit/text_window.h"
#include "ui/frame_fixture.h"

namespace lorvex {
namespace {

using Answer = Prompter::Answer;

class MatFrameTest : public test::FrameFixture {
  protected:
    QStringList menuTitles() { return test::actionTexts(frame.menuBar()->actions()); }
    QMenu* menu(const QString& title) {
        return frame.menuBar()->actions().at(menuTitles().indexOf(title))->menu();
    }
    QStringList itemsOf(const QString& menuTitle) {
        return test::actionTexts(menu(menuTitle)->actions());
    }
    std::pair<bool, bool> calculateAndSolveEnabled() {
        return {action(command::Calculate)->isEnabled(), action(command::Solve)->isEnabled()};
    }
    // The frame keeps the settings of one matrix window when the program ends.
    std::int32_t storedEntryFontHeight(const char* unsavedLetters) {
        prompter.expectButton(
            "cuidado!", std::string("matrizes não salvas:\nreal: ") + unsavedLetters, "descartar");
        action(command::Exit)->trigger();
        MatrixWindowSettings stored;
        EXPECT_EQ(readMatrixWindowSettings(folder.path().toStdString(), stored), code::Ok);
        return stored.window.fonts.at(0).font.height;
    }
};

TEST_F(MatFrameTest, ModeSwitchesChangeCaptionAndMenuSet) {
    EXPECT_EQ(frame.windowTitle(), "lorvex [real]");
    EXPECT_EQ(menuTitles(), (QStringList{"&Matriz", "&Calc", "&Ver", "&Ajuda"}));
    EXPECT_TRUE(action(command::ModeReal)->isChecked());

    action(command::ModeComplex)->trigger();
    EXPECT_EQ(frame.windowTitle(), "lorvex [complexa]");
    EXPECT_EQ(menuTitles(), (QStringList{"&Matriz", "&Calc", "&Ajuda"}));
    EXPECT_EQ(itemsOf("&Calc"), (QStringList{"&Uma matriz", "&Calcular ...", "&Resolver ...",
                                             "&Forma Escada  ...", "&Ajuda ..."}));
    EXPECT_TRUE(action(command::ModeComplex)->isChecked());
    EXPECT_FALSE(action(command::ModeReal)->isChecked());

    action(command::ModeInteger)->trigger();
    EXPECT_EQ(frame.windowTitle(), "lorvex [inteira]");
    EXPECT_EQ(itemsOf("&Calc"),
              (QStringList{"&Uma matriz", "&Calcular ...", "&Resolver ...", "Forma &Escalonada ...",
                           "&Operações nas linhas ...", "&Ajuda ..."}));
    EXPECT_TRUE(itemsOf("&Matriz").contains("&Unitária ..."));
    EXPECT_GE(frame.minimumWidth(), frame.menuBar()->sizeHint().width()) << "never narrower";
}

TEST_F(MatFrameTest, CalculationCommandsWaitForAMatrixOfTheMode) {
    EXPECT_EQ(calculateAndSolveEnabled(), std::pair(false, false));
    placeReal(1);
    EXPECT_EQ(calculateAndSolveEnabled(), std::pair(true, true));
    frame.windowOf(*workspace.slot(1))->hideMatrix();
    EXPECT_EQ(calculateAndSolveEnabled(), std::pair(true, true)) << "hidden matrices count";
    action(command::ModeComplex)->trigger();
    EXPECT_EQ(calculateAndSolveEnabled(), std::pair(false, false));
}

// Mode switches rebuild the letter menus and leave no menus or items behind.
TEST_F(MatFrameTest, LetterMenusListTheOccupiedPlaces) {
    placeReal(3);
    placeReal(1);
    const auto menusAndActions = [this] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return std::pair(frame.findChildren<QMenu*>().size(),
                         frame.findChildren<QAction*>().size());
    };
    const auto before = menusAndActions();
    for (int round = 0; round < 3; ++round) {
        action(command::ModeComplex)->trigger();
        action(command::ModeInteger)->trigger();
        action(command::ModeReal)->trigger();
    }
    EXPECT_EQ(menusAndActions(), before);
    EXPECT_EQ(itemsOf("&Ver"), (QStringList{"A ...", "C ...", "&0 = Ajuda ..."}));
    QMenu* oneMatrix = menu("&Calc")->actions().front()->menu();
    ASSERT_NE(oneMatrix, nullptr);
    EXPECT_EQ(test::actionTexts(oneMatrix->actions()), (QStringList{"A ...", "C ..."}));

    action(command::ModeComplex)->trigger();
    EXPECT_EQ(itemsOf("&Ajuda"), (QStringList{"&Ajuda ...", "&Sobre ...", "Idioma / Language"}));
    ASSERT_TRUE(workspace.PlaceMatrix(ElementKind::Complex, "", 2, ComplexMatrix(1, 1)).stored);
    EXPECT_EQ(itemsOf("&Ajuda"),
              (QStringList{"B ...", "&Ajuda ...", "&Sobre ...", "Idioma / Language"}));

    // Choosing a letter shows its hidden window again.
    action(command::ModeReal)->trigger();
    TMatWin* window = frame.windowOf(*workspace.slot(3));
    window->hideMatrix();
    frame.findChild<QAction*>("command503")->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(workspace.slot(3)->Hidden());
}

// The report in the matrix's text window, with exact values: (1/3) [[1, 2],
// [3, 4]] has the trace 5/3 and the determinant (4 - 6)/9.
TEST_F(MatFrameTest, IntegerModeReportsExactly) {
    action(command::ModeInteger)->trigger();
    ASSERT_TRUE(
        workspace.PlaceMatrix(ElementKind::Integer, "", 1, test::integerMatrix({{1, 2}, {3, 4}}, 3))
            .stored);
    frame.findChild<QAction*>("command531")->trigger();
    const TTextWin* text = frame.windowOf(*workspace.slot(1))->textWindow();
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(text->windowTitle(), "dados da matriz A");
    EXPECT_EQ(text->documentName(), "matdat.txt");
    EXPECT_EQ(text->text(), "posto: 2\r\n\r\ntraço: 5/3\r\n\r\ndeterminante: -2/9\r\n\r\n");
}

// Matrix windows open beside the frame, each a step from the last, on the
// screen; a 3 x 3 complex matrix shows all its columns.
TEST_F(MatFrameTest, NewMatrixWindowsCascadeFromTheFrame) {
    frame.setGeometry(10, 10, 200, 60);
    action(command::ModeComplex)->trigger();
    std::vector<QRect> placed;
    for (std::int32_t letter = 1; letter <= 3; ++letter) {
        const Complex z{-1.5L, 2};
        ASSERT_TRUE(workspace
                        .PlaceMatrix(ElementKind::Complex, "", letter,
                                     test::complexMatrix({{z, z, z}, {z, z, z}, {z, z, z}}))
                        .stored);
        TMatWin* window = frame.windowOf(*workspace.slot(letter));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        placed.push_back(window->frameGeometry());
        EXPECT_FALSE(placed.back().intersects(frame.frameGeometry())) << letter;
        EXPECT_TRUE(frame.screen()->availableGeometry().contains(placed.back())) << letter;
        EXPECT_EQ(window->view()->VisCols(), 3);
    }
    EXPECT_EQ(placed[1].topLeft() - placed[0].topLeft(), QPoint(28, 28));
    EXPECT_EQ(placed[2].topLeft() - placed[1].topLeft(), QPoint(28, 28));
}

TEST_F(MatFrameTest, ExitWithAnUnsavedMatrixAnsweredNo) {
    placeReal(1);
    prompter.expectButton("cuidado!", "matrizes não salvas:\nreal: A", "descartar");
    frame.move(40, 30);
    action(command::HelpFirstMenu)->trigger();
    action(command::Exit)->trigger();
    EXPECT_FALSE(frame.isVisible());
    EXPECT_FALSE(workspace.AnyUnsaved());

    // No window is left to keep the program alive, and the frame's place is
    // remembered.
    for (const QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->isVisible()) << window->windowTitle().toStdString();
    FrameSettings read;
    ASSERT_TRUE(readFrameSettings(folder.path().toStdString(), read));
    EXPECT_EQ(std::pair(read.rect.x, read.rect.width),
              std::pair(frame.geometry().x(), frame.geometry().width()));
    EXPECT_FALSE(read.zoomed);
}

TEST_F(MatFrameTest, ExitAsksOnceForAllUnsavedMatrices) {
    placeReal(3);
    placeReal(1);
    ASSERT_TRUE(workspace.PlaceMatrix(ElementKind::Complex, "", 2, ComplexMatrix(1, 1)).stored);
    const std::string list = "matrizes não salvas:\nreal: A C\ncomplexa: B";
    prompter.expectButton("cuidado!", list, "cancelar");
    action(command::Exit)->trigger();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(workspace.AnyUnsaved());

    // Saved in the order listed; the unnamed ones through the save dialog.
    const std::string folderPath = folder.path().toStdString();
    prompter.expectButton("cuidado!", list, "salvar todas");
    for (const char* name : {"/a.fma", "/c.fma", "/b.cma"})
        prompter.expectSaveFile(folderPath + name);
    action(command::Exit)->trigger();
    EXPECT_FALSE(frame.isVisible());
    EXPECT_FALSE(workspace.AnyUnsaved());
    for (const char* name : {"/a.fma", "/c.fma", "/b.cma"})
        EXPECT_TRUE(std::filesystem::exists(folderPath + name)) << name;
}

TEST_F(MatFrameTest, TheMatrixWindowClosedLastLeavesItsSettingsAtExit) {
    for (std::int32_t letter = 1; letter <= 3; ++letter) {
        placeReal(letter);
        workspace.slot(letter)->settings().fonts[0].font.height = -10 - letter;
    }
    frame.windowOf(*workspace.slot(2))->hideMatrix();
    frame.windowOf(*workspace.slot(1))->hideMatrix();
    EXPECT_FALSE(std::filesystem::exists(folder.path().toStdString() + "/lorv.ini"))
        << "nothing is written before the program ends";
    EXPECT_EQ(storedEntryFontHeight("A B C"), -11);
}

TEST_F(MatFrameTest, WithNoMatrixWindowClosedTheOneMadeLastLeavesItsSettings) {
    placeReal(2);
    placeReal(1);
    workspace.slot(1)->settings().fonts[0].font.height = -21;
    workspace.slot(2)->settings().fonts[0].font.height = -22;
    EXPECT_EQ(storedEntryFontHeight("A B"), -21);
}

}  // namespace
}  // namespace lorvex
