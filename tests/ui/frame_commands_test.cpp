// The frame's commands driven through their actions and dialogs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>

#include "engine/result_codes.h"
#include "frame/calc_dialog.h"
#include "frame/letter_list.h"
#include "frame/new_matrix_dialog.h"
#include "frame/solve_dialog.h"
#include "toolkit/computation_stopper.h"
#include "ui/frame_fixture.h"

namespace lorvex {
namespace {

using test::realMatrix;

using FrameCommandsTest = test::FrameFixture;

// Refused overwrites and the calculation's codes are the workspace's; the
// dialog proposes, runs, stays open and shows a failure.
TEST_F(FrameCommandsTest, CalculationDialogProposesAPlusBIntoC) {
    placeReal(1, realMatrix({{1, 2}}));
    placeReal(2, realMatrix({{10, 20}}));
    auto* dialog = open<TCalcDlg>(command::Calculate);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QLineEdit*>("211")->text(), "A + B");
    EXPECT_EQ(dialog->findChild<LetterList*>("295")->letter(), 3);
    press(dialog, "run");
    expectStored(3, realMatrix({{11, 22}}), "A + B");
    EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open";

    dialog->findChild<QLineEdit*>("211")->setText("A + Q");
    prompter.expectError("não foi possível encontrar");
    press(dialog, "run");

    press(dialog, "close");
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(FrameCommandsTest, NewMatrixDialogReadsItsFieldsInTheMode) {
    auto* dialog = open<TNewMatDlg>(command::NewMatrix);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "nova matriz [real]");
    const auto field = [dialog](const char* id) { return dialog->findChild<QLineEdit*>(id); };
    EXPECT_EQ(field("213")->text(), "0.0");
    EXPECT_EQ(field("214")->text(), "1.0");

    dialog->findChild<QRadioButton*>("252")->setChecked(true);
    const std::pair<const char*, const char*> typed[] = {
        {"211", "2"}, {"212", "3"}, {"213", "5"}, {"214", "5"}};  // rows, columns, range
    for (const auto& [id, text] : typed)
        field(id)->setText(text);
    press(dialog, "run");
    expectStored(13, realMatrix({{5, 5, 5}, {5, 5, 5}}),
                 "aleatória (5,5)");  // the default letter M

    // The diagonal hides the columns; integer mode brings its own defaults.
    dialog->findChild<QRadioButton*>("253")->setChecked(true);
    EXPECT_FALSE(field("212")->isVisible());
    action(command::ModeInteger)->trigger();
    EXPECT_EQ(dialog->windowTitle(), "nova matriz [inteira]");
    EXPECT_EQ(field("213")->text(), "1");
    EXPECT_EQ(field("214")->text(), "10");
    EXPECT_EQ(field("215")->text(), "1");
}

TEST_F(FrameCommandsTest, SolveDialogStoresTheSolution) {
    placeReal(13, realMatrix({{2, 0}, {0, 4}}));
    placeReal(2, realMatrix({{2}, {2}}));
    press(open<TSolveDlg>(command::Solve), "run");
    expectStored(24, realMatrix({{1}, {0.5L}}));
    EXPECT_EQ(workspace.slot(11), nullptr) << "no null space for a regular matrix";
}

TEST_F(FrameCommandsTest, PastingMakesAWindowForTheTable) {
    QApplication::clipboard()->setText("a 1 2\r\n-4.5 x 6\r\n");
    ASSERT_TRUE(action(command::Paste)->isEnabled());
    action(command::Paste)->trigger();
    expectStored(1, realMatrix({{1, 2}, {-4.5L, 6}}));
    ASSERT_NE(workspace.slot(1), nullptr);
    EXPECT_NE(frame.windowOf(*workspace.slot(1)), nullptr);
}

TEST_F(FrameCommandsTest, FilesHandedOverDuringAComputationOpenAfterIt) {
    placeReal(1, realMatrix({{3, 4}}));
    const QString path = folder.filePath("h.fma");
    ASSERT_EQ(workspace.slot(1)->writeFile(path.toStdString()), code::Ok);
    {
        ComputationStopper computation(&frame);
        frame.receiveHandOver(path);
        frame.receiveHandOver(path);
        QCoreApplication::processEvents();
        EXPECT_EQ(workspace.slot(2), nullptr) << "nothing opens in the middle of a computation";
    }
    EXPECT_EQ(workspace.slot(2), nullptr);
    QCoreApplication::processEvents();
    expectStored(2, realMatrix({{3, 4}}));
    ASSERT_NE(workspace.slot(2), nullptr);
    EXPECT_TRUE(frame.windowOf(*workspace.slot(2))->isVisible());
    ASSERT_NE(workspace.slot(3), nullptr) << "each file handed over opens once";
    EXPECT_EQ(workspace.slot(4), nullptr);

    frame.receiveHandOver(path);
    EXPECT_NE(workspace.slot(4), nullptr) << "without a computation the file opens at once";
}

}  // namespace
}  // namespace lorvex
