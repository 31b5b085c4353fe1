#pragma once

#include <gtest/gtest.h>

#include "engine/random_generator.h"
#include "workspace/frame_operations.h"
#include "workspace/scripted_prompter.h"

namespace lorvex::test {

// A frame's operations on a fresh workspace in real mode, with a seeded
// random generator and a scripted prompter for the overwrite question.
class GeneratorTest : public ::testing::Test {
  protected:
    static constexpr std::int32_t A = 1;
    static constexpr std::int32_t B = 2;
    static constexpr std::int32_t C = 3;
    static constexpr std::int32_t K = 11;
    static constexpr std::int32_t M = 13;

    GeneratorTest() { operations.setMode(WorkspaceMode::Real); }

    MatrixDocument* real(std::int32_t letter) const {
        return workspace.slot(WorkspaceMode::Real, letter);
    }
    MatrixDocument* complex(std::int32_t letter) const {
        return workspace.slot(WorkspaceMode::Complex, letter);
    }
    MatrixDocument* integer(std::int32_t letter) const {
        return workspace.slot(WorkspaceMode::Integer, letter);
    }
    // Places a real matrix, or an integer one in the integer array.
    void place(std::int32_t letter, const MatrixData& data) {
        const bool exact = std::holds_alternative<IntegerMatrix>(data);
        ASSERT_TRUE(
            workspace
                .PlaceMatrix(exact ? ElementKind::Integer : ElementKind::Real, "", letter, data)
                .stored);
    }
    // True when no place of any mode holds a matrix.
    bool nothingStored() const {
        for (std::int32_t letter = 1; letter <= Workspace::kLetters; ++letter)
            if (real(letter) != nullptr || complex(letter) != nullptr || integer(letter) != nullptr)
                return false;
        return true;
    }

    ScriptedPrompter prompter;
    Workspace workspace{prompter};
    RandomGenerator random{7};
    FrameOperations operations{workspace, random};
};

}  // namespace lorvex::test
