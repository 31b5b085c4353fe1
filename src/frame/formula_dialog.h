#pragma once

#include "frame/command_dialog.h"

class QLabel;
class QLineEdit;

namespace lorvex {

class GeneratorOperations;
class LetterList;

// FMLA: every entry of a new matrix from a formula in the row and column
// numbers i and j.
class TFmlaDlg : public CommandDialog {
    Q_OBJECT
  public:
    TFmlaDlg(GeneratorOperations& generators, QWidget* parent);

  protected:
    void run() override;

  private:
    void nameFormula();

    GeneratorOperations& generators_;
    QLineEdit* rows_;
    QLineEdit* cols_;
    LetterList* letter_;
    QLabel* entryLabel_;
    QLineEdit* formula_;
};

}  // namespace lorvex
