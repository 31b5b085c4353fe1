// A full repaint of a matrix window: the painting touches only the visible
// cells, so a 1000 x 1000 matrix costs what a 3 x 3 one does.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include "engine/random_generator.h"
#include "matwin/matrix_view.h"
#include "matwin/matrix_window.h"
#include "toolkit/gui_prompter.h"

namespace {

void fullRepaint(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    lorvex::ComplexMatrix m(n, n);
    for (std::int32_t i = 0; i < n; ++i) {
        for (std::int32_t j = 0; j < n; ++j)
            m.at(i, j) = lorvex::Complex{i * 1.25L - j, 0.0L};
    }
    lorvex::MatrixDocument document(1, lorvex::ElementKind::Real, m);
    lorvex::RandomGenerator random(1);
    lorvex::GuiPrompter prompter(random);
    lorvex::TMatWin window(document, prompter);
    window.resize(800, 600);
    window.show();
    QApplication::processEvents();
    lorvex::MatrixView* view = window.view();
    QPixmap target(view->size());
    for (auto _ : state) {
        view->relayout();
        view->render(&target);
    }
}
BENCHMARK(fullRepaint)->Arg(3)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
