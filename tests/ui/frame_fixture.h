#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>

#include "engine/matrix_builders.h"
#include "frame/mat_frame.h"
#include "matwin/matrix_window.h"
#include "toolkit/commands.h"
#include "workspace/scripted_prompter.h"

namespace lorvex::test {

// The frame over a workspace of its own, its settings in a fresh folder.
class FrameFixture : public ::testing::Test {
  protected:
    FrameFixture() {
        frame.setUp();
        frame.show();
    }

    QAction* action(int command) { return frame.action(command); }
    void placeReal(std::int32_t letter, const ComplexMatrix& m = realMatrix({{1, 2}})) {
        ASSERT_TRUE(workspace.PlaceMatrix(ElementKind::Real, "", letter, m).stored);
    }

    QTemporaryDir folder;
    ScriptedPrompter prompter;
    Workspace workspace{prompter};
    RandomGenerator random{7};
    FrameOperations operations{workspace, random};
    TMatFrame frame{operations, folder.path().toStdString()};
};

}  // namespace lorvex::test
