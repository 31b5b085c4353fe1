#pragma once

#include "frame/command_dialog.h"

class QLineEdit;

namespace lorvex {

class GeneratorOperations;
class LetterList;

// COPY: one column of a matrix as a new column matrix.
class TCopyDlg : public CommandDialog {
    Q_OBJECT
  public:
    TCopyDlg(GeneratorOperations& generators, QWidget* parent);

  protected:
    void run() override;

  private:
    GeneratorOperations& generators_;
    QLineEdit* column_;
    LetterList* source_;
    LetterList* result_;
};

}  // namespace lorvex
