#include "workspace/workspace.h"

#include <gtest/gtest.h>

#include "engine/matrix_builders.h"
#include "engine/result_codes.h"
#include "workspace/scripted_prompter.h"

namespace lorvex {
namespace {

using test::integerMatrix;
using test::realMatrix;
using Answer = Prompter::Answer;

// Records what the windows would be told.
class RecordingListener : public WorkspaceListener {
  public:
    void documentCreated(MatrixDocument& document) override { record("created ", document); }
    void documentChanged(MatrixDocument& document) override { record("changed ", document); }
    void documentShown(MatrixDocument& document) override { record("shown ", document); }
    void lettersChanged() override { events.push_back("letters"); }
    void modeChanged() override { events.push_back("mode"); }

    std::vector<std::string> events;

  private:
    void record(std::string what, const MatrixDocument& document) {
        events.push_back(what + static_cast<char>('A' + document.LetterNo() - 1));
    }
};

class WorkspaceTest : public ::testing::Test {
  protected:
    WorkspaceTest() {
        workspace.setMode(WorkspaceMode::Real);
        workspace.setListener(&listener);
    }

    Workspace::Placement placeReal(std::int32_t letter, long double value) {
        return workspace.PlaceMatrix(ElementKind::Real, "", letter, realMatrix({{value}}));
    }

    test::ScriptedPrompter prompter;
    Workspace workspace{prompter};
    RecordingListener listener;
};

TEST_F(WorkspaceTest, NewPlacesGetDefaultNamesAndAreUnsaved) {
    const auto placement = placeReal(10, 1);
    ASSERT_TRUE(placement.stored);
    EXPECT_EQ(placement.document->documentName(), "mat10.fma");
    EXPECT_FALSE(placement.document->named());
    EXPECT_TRUE(placement.document->modified());
    EXPECT_EQ(workspace.slot(10), placement.document);
    EXPECT_EQ(Workspace::defaultDocumentName(ElementKind::Integer, 26), "mat26.ima");
    EXPECT_EQ(listener.events, (std::vector<std::string>{"created J", "letters", "shown J"}));
    EXPECT_TRUE(workspace.ModeUsed(WorkspaceMode::Real));
    EXPECT_FALSE(workspace.ModeUsed(WorkspaceMode::Complex));
}

TEST_F(WorkspaceTest, FreeLettersThenHiddenOnesThenNoRoom) {
    EXPECT_EQ(workspace.FindFreeLetter(), 1);
    for (std::int32_t letter = 1; letter <= 26; ++letter)
        ASSERT_TRUE(placeReal(0, letter).stored);
    EXPECT_EQ(workspace.slot(26)->RCells()[0], 26.0L);
    EXPECT_EQ(workspace.FindFreeLetter(), 0);
    const auto full = placeReal(0, 99);
    EXPECT_EQ(full.code, code::NoMoreRoom);
    EXPECT_FALSE(full.stored);

    workspace.slot(7)->setHidden(true);
    EXPECT_EQ(workspace.FindFreeLetter(), 7);
    prompter.expectOverwriteQuestion(Answer::Yes);
    const auto reused = placeReal(0, 99);
    ASSERT_TRUE(reused.stored);
    EXPECT_EQ(workspace.slot(7)->RCells()[0], 99.0L);
    EXPECT_TRUE(workspace.slot(7)->Hidden()) << "only ViewLetter clears the flag";
}

TEST_F(WorkspaceTest, RefusedOverwriteChangesAndShowsNothing) {
    placeReal(3, 1);
    workspace.slot(3)->setModified(false);
    listener.events.clear();
    prompter.expectOverwriteQuestion(Answer::No);
    const auto refused = placeReal(3, 2);
    EXPECT_EQ(refused.code, code::Ok);
    EXPECT_FALSE(refused.stored);
    EXPECT_EQ(workspace.slot(3)->RCells()[0], 1.0L);
    EXPECT_FALSE(workspace.slot(3)->modified());
    EXPECT_TRUE(listener.events.empty());

    prompter.expectOverwriteQuestion(Answer::Yes);
    ASSERT_TRUE(placeReal(3, 2).stored);
    EXPECT_EQ(workspace.slot(3)->RCells()[0], 2.0L);
    EXPECT_TRUE(workspace.slot(3)->modified());
    EXPECT_EQ(listener.events, (std::vector<std::string>{"changed C", "shown C"}));
}

TEST_F(WorkspaceTest, EachKindFillsItsOwnArrayWhateverTheMode) {
    ASSERT_TRUE(workspace.PlaceMatrix(ElementKind::Integer, "", 0, integerMatrix({{5}})).stored);
    EXPECT_EQ(workspace.slot(WorkspaceMode::Integer, 1)->ICells()[0], BigInt(5));
    EXPECT_EQ(workspace.slot(1), nullptr);
    EXPECT_TRUE(workspace.occupiedLetters().empty());
    EXPECT_TRUE(workspace.ModeUsed(WorkspaceMode::Integer));

    placeReal(2, 1);
    workspace.setMode(WorkspaceMode::Integer);
    EXPECT_EQ(workspace.occupiedLetters(), (std::vector<std::int32_t>{1}));
    workspace.setMode(WorkspaceMode::Real);
    EXPECT_EQ(workspace.occupiedLetters(), (std::vector<std::int32_t>{2}));
    EXPECT_NE(workspace.slot(2), nullptr);
}

TEST_F(WorkspaceTest, SwitchingToTheCurrentModeDoesNothing) {
    workspace.setMode(WorkspaceMode::Real);
    EXPECT_TRUE(listener.events.empty());
    workspace.setMode(WorkspaceMode::Complex);
    EXPECT_EQ(listener.events, (std::vector<std::string>{"mode", "letters"}));
}

TEST_F(WorkspaceTest, ViewLetterShowsOrCreatesZeros) {
    placeReal(4, 8);
    workspace.slot(4)->setHidden(true);
    ASSERT_EQ(workspace.ViewLetter(4), code::Ok);
    EXPECT_FALSE(workspace.slot(4)->Hidden());

    ASSERT_EQ(workspace.ViewLetter(5), code::Ok);
    MatrixDocument* created = workspace.slot(5);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->matrixData(), MatrixData(RealMatrix(3, 3)));
    EXPECT_EQ(created->notes(), "zeros");

    workspace.setMode(WorkspaceMode::Integer);
    ASSERT_EQ(workspace.ViewLetter(5), code::Ok);
    EXPECT_EQ(workspace.slot(5)->matrixData(), MatrixData(IntegerMatrix(3, 3)));
}

TEST_F(WorkspaceTest, UnsavedIncludesTheStepDocuments) {
    EXPECT_FALSE(workspace.AnyUnsaved());
    workspace.stepDocument(StepDocument::Echelon).replaceContents(realMatrix({{1}}));
    EXPECT_TRUE(workspace.AnyUnsaved());
    placeReal(1, 1);
    workspace.MarkAllSaved();
    EXPECT_FALSE(workspace.AnyUnsaved());
    EXPECT_FALSE(workspace.slot(1)->modified());
}

TEST_F(WorkspaceTest, WhiteBackgroundAppliesToDocumentsMadeAfterwards) {
    placeReal(1, 1);
    workspace.toggleWhiteBackground();
    placeReal(2, 1);
    EXPECT_FALSE(workspace.slot(1)->whiteBackground());
    EXPECT_TRUE(workspace.slot(2)->whiteBackground());
    EXPECT_EQ(workspace.slot(2)->LetterNo(), 2);
}

}  // namespace
}  // namespace lorvex
