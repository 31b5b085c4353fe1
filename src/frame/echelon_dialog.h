#pragma once

#include <cstdint>

#include "frame/command_dialog.h"

namespace lorvex {

class LetterList;
class Prompter;
class StepOperations;

// ECH: a matrix brought to echelon form in the echelon step window, all at
// once ("final") or one elementary action further with each "passos".
class TEchDlg : public CommandDialog {
    Q_OBJECT
  public:
    TEchDlg(StepOperations& steps, Prompter& prompter, QWidget* parent);

  protected:
    // "final": every action of the reduction.
    void run() override;

  private:
    // Shows the chosen matrix after `steps` actions, counted from the
    // unreduced matrix each time.
    void showSteps(std::int32_t steps);
    void saveAs();

    StepOperations& steps_;
    Prompter& prompter_;
    LetterList* matrix_;
    LetterList* saveLetter_;
    // The actions shown by the last "passos" or "renomear"; 0 after a
    // reset, so that the next "passos" shows the first action.
    std::int32_t counter_ = 0;
};

}  // namespace lorvex
