// What screen readers and GUI test tools read through Qt's accessibility
// interfaces: menu items, field names and the matrix grid.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>

#include "ui/frame_fixture.h"

namespace lorvex {
namespace {

class AccessibleFrameTest : public test::FrameFixture {
  protected:
    // Each item of a menu as a screen reader reaches it: valid, inside that
    // menu, named by its text without the accelerator mark. An item that is
    // not valid reads as empty.
    static void expectItemsNamed(QMenu* menu) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(menu);
        ASSERT_NE(accessible, nullptr);
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(accessible->childCount(), items.size());
        for (int i = 0; i < items.size(); ++i) {
            if (items[i]->isSeparator()) continue;
            QAccessibleInterface* item = accessible->child(i);
            const QString name = items[i]->text().remove(QLatin1Char('&'));
            EXPECT_TRUE(item->isValid()) << name.toStdString();
            EXPECT_EQ(item->parent(), accessible) << name.toStdString();
            EXPECT_EQ(item->text(QAccessible::Name), name);
        }
    }
};

// The three menu sets share the command actions; the items of the set shown
// last are still named after a round through another mode.
TEST_F(AccessibleFrameTest, MenuItemsKeepTheirNamesAcrossModeSwitches) {
    placeReal(1);
    for (QAction* title : frame.menuBar()->actions())
        expectItemsNamed(title->menu());
    action(command::ModeInteger)->trigger();
    for (QAction* title : frame.menuBar()->actions())
        expectItemsNamed(title->menu());
    action(command::ModeReal)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QAction* title : frame.menuBar()->actions())
        expectItemsNamed(title->menu());
}

}  // namespace
}  // namespace lorvex
