#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string_view>
#include <vector>

#include "cli/command_result.h"
#include "cli/command_stop.h"
#include "cli/command_words.h"
#include "cli/scripted_answers.h"
#include "engine/random_generator.h"
#include "workspace/frame_operations.h"
#include "workspace/workspace.h"
#include "workspace/workspace_listener.h"

namespace lorvex::cli {

// Runs the commands of a script on a workspace of its own, in real mode at
// first, through the very operations that the program's menus and dialogs
// call. The runner adds no arithmetic and no checks of its own: it reads the
// command's words, calls the operation and collects what it stored or shows.
class ScriptRunner : private WorkspaceListener {
  public:
    // `overwrite` answers the question before a place is overwritten; the
    // long computations poll `stop` (the program's never asks to stop).
    ScriptRunner(bool overwrite, RandomGenerator random, StopCheck stop = StopCheck());
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;
    ~ScriptRunner() override;

    // Runs one command line. A line that is no command of the program, or
    // whose words do not fit the command, fails with code::NotUnderstood;
    // memory running out fails it with code::OutOfMemory.
    [[nodiscard]] CommandResult run(std::string_view line);

    const Workspace& workspace() const { return workspace_; }

  private:
    using Command = int (ScriptRunner::*)(const CommandWords&, CommandResult&);
    struct Keyword {
        std::string_view name;
        Command command;
    };
    static const std::vector<Keyword>& keywords();
    // Runs the command into `result`; code::Ok, or throws when memory runs out.
    [[nodiscard]] int runCommand(std::string_view line, CommandResult& result);

    void documentShown(MatrixDocument& document) override;

    // The document at a letter word in the current mode: code::Ok, or
    // code::NotUnderstood for a word that is no letter, code::MatrixNotFound
    // for an empty place.
    [[nodiscard]] int lookUp(std::string_view letterWord, MatrixDocument*& document) const;
    static ShownMatrix shownLettered(const MatrixDocument& document);

    // Matrices and files (matrix_commands.cpp).
    [[nodiscard]] int mode(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int matrix(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int open(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int save(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int paste(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int show(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int tex(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int notes(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int format(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int picture(const CommandWords& words, CommandResult& result);
    // The formula language's variables (formula_commands.cpp).
    [[nodiscard]] int eval(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int let(const CommandWords& words, CommandResult& result);

    // New matrices and geometry (generator_commands.cpp).
    [[nodiscard]] int newMatrix(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int formula(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int copycol(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int unitary(const CommandWords& words, CommandResult& result);
    int rot2d(const CommandWords& words, CommandResult& result);
    int rot3d(const CommandWords& words, CommandResult& result);
    int irot3d(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int project(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int reflect(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int projectOrReflect(const CommandWords& words, bool projection);
    // Calculations (calculation_commands.cpp).
    [[nodiscard]] int calc(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int solve(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int report(const CommandWords& words, CommandResult& result);
    // Step procedures (step_commands.cpp).
    [[nodiscard]] int echelon(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int lp(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int oper(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int mul(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int add(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int swap(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int undo(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int check(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int exact(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int stepsave(const CommandWords& words, CommandResult& result);
    [[nodiscard]] int solution(const CommandWords& words, CommandResult& result);
    // Adds a step document to the result, with its title and whether the
    // procedure finished when it has one.
    void showStep(StepDocument which, CommandResult& result, std::optional<bool> finished);

    ScriptedAnswers prompter_;
    Workspace workspace_;
    RandomGenerator random_;
    FrameOperations operations_;
    StopCheck stop_;
    // The lettered documents stored during the current command, in order.
    std::vector<const MatrixDocument*> stored_;
};

// The exit status of a script ended by Ctrl+C, as a shell gives it.
inline constexpr int kInterruptedStatus = 130;

// Runs a script read line by line from `in` and writes each command's
// output to `out`: plain text, or JSON Lines when `json`. Blank lines and
// lines whose first character other than a blank is "#" are skipped. A line
// that is not UTF-8 is read as Windows-1252, like any text file. `stop`,
// when given, is the runner's stop: each command's time limit starts with
// it, and after Ctrl+C no further command runs. Returns the exit status: 0,
// 1 when a command failed (also when it was stopped), 2 when reading the
// script failed, kInterruptedStatus after Ctrl+C.
[[nodiscard]] int runScript(std::istream& in, std::ostream& out, ScriptRunner& runner, bool json,
                            CommandStop* stop = nullptr);

}  // namespace lorvex::cli
