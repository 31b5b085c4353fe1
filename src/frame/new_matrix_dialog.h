#pragma once

#include <array>

#include "frame/command_dialog.h"
#include "workspace/workspace.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace lorvex {

class GeneratorOperations;
class LetterList;

// NEWMAT: zeros, random entries between bounds, a constant diagonal, random
// probability rows or columns, under a chosen letter of the current mode.
class TNewMatDlg : public CommandDialog {
    Q_OBJECT
  public:
    TNewMatDlg(GeneratorOperations& generators, QWidget* parent);

    // The title and the bounds' defaults follow the mode: the mode's
    // newMatrixDefaults on entering or leaving integer mode.
    void setMode(WorkspaceMode mode);

  protected:
    void run() override;

  private:
    void showSizeFields();
    void showDefaults(WorkspaceMode mode);

    GeneratorOperations& generators_;
    WorkspaceMode mode_;
    QLineEdit* rows_;
    QLineEdit* cols_;
    QLabel* times_;
    LetterList* letter_;
    std::array<QRadioButton*, 5> kinds_{};
    QLineEdit* lower_;
    QLineEdit* upper_;
    QLineEdit* diagonal_;
};

}  // namespace lorvex
