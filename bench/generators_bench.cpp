// The formula generator at its largest common size: 1000 x 1000 entries of
// the default formula, compiled once and stored into one letter.

#include <benchmark/benchmark.h>

#include <memory>

#include "engine/random_generator.h"
#include "engine/result_codes.h"
#include "workspace/frame_operations.h"

namespace {

// Answers every overwrite question with yes.
class YesPrompter : public lorvex::DialogFreePrompter {
  public:
    Answer messageBox(std::string_view, std::string_view, Buttons) override { return Answer::Yes; }
};

// A workspace with its operations.
struct Frame {
    explicit Frame(lorvex::Prompter& prompter, lorvex::RandomGenerator& random)
        : workspace(prompter), operations(workspace, random) {}
    lorvex::Workspace workspace;
    lorvex::FrameOperations operations;
};

// Each run stores into an empty workspace, so that no undo record of the
// previous matrix is made or kept.
void formulaMatrix(benchmark::State& state, lorvex::WorkspaceMode mode) {
    YesPrompter prompter;
    lorvex::RandomGenerator random(3);
    for (auto _ : state) {
        state.PauseTiming();
        auto frame = std::make_unique<Frame>(prompter, random);
        frame->operations.setMode(mode);
        state.ResumeTiming();
        if (frame->operations.generators().Formula(13, "1000", "1000", "sin(i*pi/(i+j))") !=
            lorvex::code::Ok) {
            state.SkipWithError("the formula matrix was not made");
            return;
        }
        state.PauseTiming();
        frame.reset();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(formulaMatrix, real, lorvex::WorkspaceMode::Real)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(formulaMatrix, complex, lorvex::WorkspaceMode::Complex)
    ->Unit(benchmark::kMillisecond);

}  // namespace
