#pragma once

#include <array>

#include "frame/command_dialog.h"
#include "workspace/workspace.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace lorvex {

class FrameOperations;
class LetterList;

// NEWMAT: zeros, random entries between bounds, a constant diagonal, random
// probability rows or columns, under a chosen letter of the current mode.
class TNewMatDlg : public CommandDialog {
    Q_OBJECT
  public:
    TNewMatDlg(FrameOperations& operations, QWidget* parent);

    // The title and the bounds' defaults follow the mode: "1", "10", "1" on
    // entering integer mode, "0.0", "1.0", "1.0" on leaving it.
    void setMode(WorkspaceMode mode);

  protected:
    void run() override;

  private:
    void showSizeFields();

    FrameOperations& operations_;
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
