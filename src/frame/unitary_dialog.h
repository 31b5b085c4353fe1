#pragma once

#include "frame/command_dialog.h"

class QLineEdit;

namespace lorvex {

class GeneratorOperations;
class LetterList;

// UNI: a random integer matrix with an integer inverse (integer mode only).
class TUniDlg : public CommandDialog {
    Q_OBJECT
  public:
    TUniDlg(GeneratorOperations& generators, QWidget* parent);

  protected:
    void run() override;

  private:
    GeneratorOperations& generators_;
    QLineEdit* rows_;
    LetterList* letter_;
};

}  // namespace lorvex
