#pragma once

#include "frame/command_dialog.h"

class QLineEdit;

namespace lorvex {

class CalculationOperations;
class LetterList;

// CALC: a typed calculation such as "A + B", stored under a chosen letter.
class TCalcDlg : public CommandDialog {
    Q_OBJECT
  public:
    TCalcDlg(CalculationOperations& calculations, QWidget* parent);

  protected:
    void run() override;

  private:
    CalculationOperations& calculations_;
    QLineEdit* text_;
    LetterList* letter_;
};

}  // namespace lorvex
