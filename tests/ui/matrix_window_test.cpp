#include <QLineEdit>
#include <QScrollBar>

#include "engine/result_codes.h"
#include "ui/matrix_window_fixture.h"

namespace lorvex {
namespace {

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
};

TEST_F(MatrixWindowTest, RightClickWalksThroughTheCellsUntilTheEndOrEsc) {
    open(ComplexMatrix(2, 3));
    EXPECT_EQ(window->windowTitle(), "A");
    click(0, 0, Qt::RightButton);
    EXPECT_EQ(window->windowTitle(), "Esc cancela autoavanço");
    for (int value = 1; value <= 6; ++value)
        type(QString::number(value));
    EXPECT_EQ(document->matrixData(), MatrixData(realMatrix({{1, 3, 5}, {2, 4, 6}})));
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
    EXPECT_EQ(document->matrixData(), MatrixData(realMatrix({{1, 3, 5}, {2, 4, 6}})));
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
    EXPECT_EQ(document->matrixData(), MatrixData(realMatrix({{7, 8}})));
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_EQ(window->windowTitle(), "A");
    EXPECT_FALSE(action(command::RemoveRows)->isEnabled());
    EXPECT_FALSE(action(command::SwapRows)->isEnabled());

    prompter.expectFields("dimensoes", std::nullopt);
    action(command::Dimensions)->trigger();
    EXPECT_EQ(document->Rows(), 1);

    // Closing only hides the matrix.
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
