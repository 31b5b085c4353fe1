#pragma once

#include <cstdint>

#include "engine/simplex.h"
#include "frame/command_dialog.h"

class QLabel;
class QRadioButton;

namespace lorvex {

class LetterList;
class Prompter;
class StepOperations;

// LINPRO: F X maximised subject to M X <= B, or minimised subject to
// M X >= B, by the simplex method in the linear-programming step window: to
// the optimum ("achar X") or one step further with each "passos".
class TLPDlg : public CommandDialog {
    Q_OBJECT
  public:
    TLPDlg(StepOperations& steps, Prompter& prompter, QWidget* parent);

  protected:
    // "achar X": the whole procedure.
    void run() override;

  private:
    // Runs the procedure from the start for at most `stepLimit` steps and
    // tells whether it has ended (a failure ends it too).
    bool solve(std::int32_t stepLimit);
    void nextStep();
    void goalChanged();
    void restart() { counter_ = -1; }

    StepOperations& steps_;
    Prompter& prompter_;
    QRadioButton* maximise_;
    QRadioButton* minimise_;
    LetterList* objective_;
    LetterList* constraints_;
    QLabel* constraintsLabel_;
    LetterList* rightSide_;
    LetterList* saveLetter_;
    // The steps of the last "passos"; -1 when none has been shown since the
    // problem changed, so that the next "passos" starts from the beginning.
    std::int32_t counter_ = -1;
};

}  // namespace lorvex
