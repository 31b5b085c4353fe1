#pragma once

#include "frame/command_dialog.h"

class QRadioButton;

namespace lorvex {

class CalculationOperations;
class LetterList;

// SOLVE: M*X = B, with B a column or zeros, storing X and the null space.
class TSolveDlg : public CommandDialog {
    Q_OBJECT
  public:
    TSolveDlg(CalculationOperations& calculations, QWidget* parent);

  protected:
    void run() override;

  private:
    CalculationOperations& calculations_;
    LetterList* matrix_;
    QRadioButton* zeros_;
    QRadioButton* column_;
    LetterList* rightSide_;
    LetterList* solution_;
    LetterList* nullSpace_;
};

}  // namespace lorvex
