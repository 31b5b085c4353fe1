#pragma once

#include <optional>

#include "matwin/matrix_window.h"
#include "workspace/step_operations.h"

class QLabel;
class QListWidget;
class QToolButton;

namespace lorvex {

// The window of a step document: the matrix a step procedure reached, the
// document's title as its caption and the entry of the last step
// highlighted. Under the grid a strip names the step that led to what it
// shows, and "Todos os passos" opens the list of every step of the run. Its
// short menu saves, exports and formats the matrix, and exports the run as a
// worked solution.
class TDispWin : public TMatWin {
    Q_OBJECT
  public:
    // `helpName` is the help text of the procedure ("ECHHELP").
    TDispWin(MatrixDocument& document, Prompter& prompter, const char* helpName,
             QWidget* parent = nullptr, Options options = {});

    // The runs whose steps the window names and exports: those that show in
    // step document `which`.
    void followSteps(const StepOperations& steps, StepDocument which);

    // The document shows a new step: its caption may have changed too.
    void stepShown();

    // The strip's text and the list's lines, as the user reads them.
    QString stepStripText() const;
    QStringList stepListTexts() const;

  private:
    void buildMenus();
    void buildStepStrip();
    // The step records are complete only once the run that showed the step
    // has returned, so the strip is refreshed afterwards.
    void refreshSteps();
    // "Exportar solução ...": the format, then the file.
    void exportSolution();
    bool showsLastRun() const;

    const char* helpName_;
    const StepOperations* steps_ = nullptr;
    std::optional<StepDocument> shownIn_;
    QLabel* stepStrip_ = nullptr;
    QToolButton* allStepsButton_ = nullptr;
    QListWidget* stepList_ = nullptr;
};

}  // namespace lorvex
