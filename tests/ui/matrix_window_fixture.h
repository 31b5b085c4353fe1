#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "engine/matrix_builders.h"
#include "matwin/matrix_view.h"
#include "matwin/matrix_window.h"
#include "toolkit/commands.h"
#include "workspace/scripted_prompter.h"

namespace lorvex::test {

// A window's action for a command, found by its object name.
inline QAction* commandAction(const QObject& window, int command) {
    return window.findChild<QAction*>(QStringLiteral("command%1").arg(command));
}

// The texts of menu items or menu titles, separators left out.
inline QStringList actionTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* item : actions) {
        if (!item->isSeparator()) texts << item->text();
    }
    return texts;
}

// One matrix window on a document of its own, shown and exposed.
class MatrixWindowFixture : public ::testing::Test {
  protected:
    void open(const MatrixData& contents, ElementKind kind = ElementKind::Real,
              TMatWin::Options options = {}, QSize size = {600, 400}) {
        window.reset();
        document = std::make_unique<MatrixDocument>(letter, kind, contents);
        document->setDocumentName(kind == ElementKind::Integer ? "mat1.ima" : "mat1.fma", false);
        window = std::make_unique<TMatWin>(*document, prompter, nullptr, std::move(options));
        window->resize(size);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QAction* action(int command) { return commandAction(*window, command); }
    MatrixView* view() { return window->view(); }

    std::int32_t letter = 1;
    ScriptedPrompter prompter;
    std::unique_ptr<MatrixDocument> document;
    std::unique_ptr<TMatWin> window;
};

}  // namespace lorvex::test
