#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>

#include "engine/result_codes.h"
#include "toolkit/field_dialog.h"
#include "toolkit/text_window.h"
#include "ui/matrix_window_fixture.h"

namespace lorvex {
namespace {

using test::realEntries;
using test::realMatrix;

class MatrixWindowTest : public test::MatrixWindowFixture {
  protected:
    QLineEdit* editor() { return view()->findChild<QLineEdit*>("cellEditor"); }

    void click(std::int32_t row, std::int32_t col, Qt::MouseButton button) {
        QTest::mouseClick(view(), button, {}, view()->cellRect(row, col).center());
    }
    void type(const QString& text) {
        ASSERT_TRUE(editor()->isVisible());
        editor()->selectAll();
        QTest::keyClicks(editor(), text);
        QTest::keyClick(editor(), Qt::Key_Return);
    }
    // A key as the user presses it: to whatever has the focus, shortcuts first.
    void press(QKeyCombination key) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
    void activate() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    MatrixDocument::Cell current() { return view()->currentCell(); }
    long double value(std::int32_t row, std::int32_t col) {
        return document->complexEntry(row, col).re;
    }
    void wheel(Qt::KeyboardModifiers modifiers) {
        QWheelEvent notch({10, 10}, view()->mapToGlobal(QPoint(10, 10)), {}, {0, -120},
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view(), &notch);
    }
};

using Cell = MatrixDocument::Cell;

TEST_F(MatrixWindowTest, KeysAndTheWheelMoveTheCurrentCellAndKeepItInSight) {
    open(ComplexMatrix(40, 6), ElementKind::Real, {}, {400, 300});
    activate();
    ASSERT_EQ(QApplication::focusWidget(), view());
    const std::int32_t rows = view()->VisRows();
    const std::vector<std::pair<std::vector<QKeyCombination>, Cell>> walks = {
        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Right}, {2, 1}},
        {{Qt::Key_End}, {2, 5}},
        {{Qt::Key_Home, Qt::Key_Left, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}, {0, 0}},
        {{Qt::Key_PageDown}, {rows, 0}},
        {{Qt::CTRL | Qt::Key_End}, {39, 5}},
    };
    for (const auto& [keys, expected] : walks) {
        for (const QKeyCombination key : keys)
            press(key);
        EXPECT_EQ(current(), expected) << expected.row << "," << expected.col;
    }
    EXPECT_EQ(view()->FirstRow(), 40 - rows) << "the last row in sight";
    EXPECT_EQ(view()->findChild<QScrollBar*>("verticalBar")->value(), 40 - rows);
    press(Qt::CTRL | Qt::Key_Home);
    EXPECT_EQ(view()->FirstRow(), 0);

    // A notch of the wheel scrolls three rows, with Shift three columns.
    wheel(Qt::NoModifier);
    EXPECT_EQ(view()->FirstRow(), 3);
    wheel(Qt::ShiftModifier);
    EXPECT_EQ(view()->FirstCol(), std::min(3, 6 - view()->VisCols()));
}

TEST_F(MatrixWindowTest, TheEditorsKeysAcceptAndMoveOnOrCancel) {
    open(ComplexMatrix(3, 3));
    activate();
    press(Qt::Key_F2);
    EXPECT_EQ(editor()->text(), "0.00000");
    QTest::keyClicks(editor(), "5");
    press(Qt::Key_Tab);  // along the row
    EXPECT_EQ(value(0, 0), 5);
    EXPECT_EQ(current(), (Cell{0, 1}));
    EXPECT_FALSE(editor()->isVisible());

    press(Qt::Key_Return);
    QTest::keyClicks(editor(), "7");
    press(Qt::Key_Return);  // down the column, auto-advance being on
    EXPECT_EQ(current(), (Cell{1, 1}));

    // A character typed on the grid starts the entry; the left arrow moves
    // within the text, and at its start leaves the cell.
    press(Qt::Key_8);
    press(Qt::Key_1);
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    EXPECT_TRUE(editor()->isVisible());
    press(Qt::Key_Left);
    EXPECT_EQ(value(1, 1), 81);
    EXPECT_EQ(current(), (Cell{1, 0}));

    press(Qt::Key_F2);
    press(Qt::Key_9);
    press(Qt::Key_Escape);
    EXPECT_EQ(value(1, 0), 0);
    EXPECT_EQ(QApplication::focusWidget(), view());
}

// The font chosen reaches the grid and the tables of the window's text window.
TEST_F(MatrixWindowTest, TheFontDialogOpensOnTheEntryFont) {
    open(realMatrix({{1}}));
    const FontSetting before = document->settings().fonts[0];
    FontSetting chosen = before;
    chosen.font.height = -30;
    chosen.colour = 0x000000FF;
    prompter.expectFont("entrada de matriz", chosen);
    action(command::Font)->trigger();
    EXPECT_EQ(prompter.lastFont().current, before);
    EXPECT_EQ(view()->entryFont().pixelSize(), 30);
    action(command::TextExport)->trigger();
    EXPECT_EQ(window->textWindow()->textFont(), chosen);
}

TEST_F(MatrixWindowTest, CtrlZUndoesACellEditAtOnce) {
    open(realMatrix({{1, 2}, {3, 4}}));
    activate();
    click(1, 0, Qt::LeftButton);
    type("6");
    ASSERT_EQ(value(1, 0), 6);
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(value(1, 0), 3);
}

TEST_F(MatrixWindowTest, RightClickWalksThroughTheCellsUntilTheEndOrEsc) {
    open(ComplexMatrix(2, 3));
    EXPECT_EQ(window->windowTitle(), "A");
    click(0, 0, Qt::RightButton);
    EXPECT_EQ(window->windowTitle(), "Esc cancela autoavanço");
    for (int value = 1; value <= 6; ++value)
        type(QString::number(value));
    EXPECT_EQ(document->matrixData(), MatrixData(realEntries({{1, 3, 5}, {2, 4, 6}})));
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_EQ(window->windowTitle(), "A");

    // The walk's order is the document's; the menu turns auto-advance off and
    // Esc stops the walk.
    action(command::AutoAdvance)->trigger();
    EXPECT_FALSE(document->AutoAdvance());
    click(0, 0, Qt::RightButton);
    type("7");
    QTest::keyClick(editor(), Qt::Key_Escape);
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_EQ(window->windowTitle(), "A");
    action(command::Undo)->trigger();
    EXPECT_EQ(document->matrixData(), MatrixData(realEntries({{1, 3, 5}, {2, 4, 6}})));
}

TEST_F(MatrixWindowTest, ScrollBarsFollowTheLayoutWithoutWaitingForAPaint) {
    open(ComplexMatrix(2, 2));
    const QScrollBar* vertical = view()->findChild<QScrollBar*>("verticalBar");
    EXPECT_FALSE(vertical->isVisible());
    ASSERT_EQ(document->setDimensions(60, 2), code::Ok);
    window->contentsReplaced();
    const std::int32_t visible = view()->VisRows();
    ASSERT_LT(visible, 59);
    EXPECT_TRUE(vertical->isVisible());
    EXPECT_EQ(vertical->maximum(), 60 - visible);
    EXPECT_EQ(vertical->value(), 0);

    // Walking past the last row shown moves the view on by a page.
    click(visible - 1, 0, Qt::RightButton);
    type("7");
    EXPECT_EQ(view()->FirstRow(), visible);
    EXPECT_EQ(vertical->value(), visible);
}

TEST_F(MatrixWindowTest, LeftClickEditsOneCellAndARejectedEntryShowsItsMessage) {
    open(test::integerMatrix({{1, 2}, {3, 4}}), ElementKind::Integer);
    click(1, 1, Qt::LeftButton);
    EXPECT_EQ(editor()->text(), "4");
    type("-0012");
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_EQ(document->ICells()[3], BigInt(-12));

    click(0, 0, Qt::LeftButton);
    prompter.expectError("dado inconsistente");
    type("12a");
    EXPECT_EQ(document->ICells()[0], BigInt(1));
    EXPECT_TRUE(editor()->isVisible()) << "the editor stays on the text for correction";
    EXPECT_EQ(editor()->text(), "12a");
    QTest::keyClick(editor(), Qt::Key_Escape);

    // The Format dialog of an exact matrix offers the field width alone.
    prompter.expectFields("formato", std::vector<std::string>{"20"});
    action(command::Format)->trigger();
    EXPECT_EQ(prompter.lastFields().fields.size(), 1U);
    EXPECT_EQ(document->FieldWidth(), 20);
}

TEST_F(MatrixWindowTest, StructuralEditsThroughTheirDialogsCloseTheCellEditor) {
    open(realMatrix({{1, 2}, {3, 4}, {5, 6}, {7, 8}}));
    click(2, 1, Qt::RightButton);
    ASSERT_TRUE(editor()->isVisible());
    prompter.expectFields("deletar", std::vector<std::string>{"3", "1"});
    action(command::RemoveRows)->trigger();
    EXPECT_EQ(document->matrixData(), MatrixData(realEntries({{7, 8}})));
    const Prompter::FieldsRequest asked = prompter.lastFields();
    ASSERT_EQ(asked.fields.size(), 2u);
    for (const Prompter::Field& field : asked.fields)
        EXPECT_EQ(field.label, "linha");
    EXPECT_EQ(asked.fields[1].above, "até");
    const TGenDlg dialog(nullptr, asked);
    EXPECT_EQ(dialog.findChildren<QLabel*>().size(), 3) << "linha, até, linha";
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_EQ(window->windowTitle(), "A");
    EXPECT_FALSE(action(command::RemoveRows)->isEnabled());
    EXPECT_FALSE(action(command::SwapRows)->isEnabled());

    prompter.expectFields("dimensoes", std::nullopt);
    action(command::Dimensions)->trigger();
    EXPECT_EQ(document->Rows(), 1);

    action(command::Hide)->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(document->Hidden());
}

TEST(MatrixWindowColours, LettersHaveTheirBackgrounds) {
    EXPECT_EQ(TMatWin::backgroundFor(1, false), QColor(0xDE7EFF));
    EXPECT_EQ(TMatWin::backgroundFor(10, false), QColor(0xFFDEFF));
    EXPECT_EQ(TMatWin::backgroundFor(26, false), QColor(0xFFFFFF));
    EXPECT_EQ(TMatWin::backgroundFor(3, true), QColor(0xFFFFFF));
}

}  // namespace
}  // namespace lorvex
