#pragma once

#include "frame/command_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lorvex {

class LetterList;
class Prompter;
class StepOperations;

// OPER: row or column operations chosen one by one on a copy of a matrix in
// the operations step window, each undone in turn by "desfazer".
class TOperDlg : public CommandDialog {
    Q_OBJECT
  public:
    TOperDlg(StepOperations& steps, Prompter& prompter, QWidget* parent);

  protected:
    // "multiplicar".
    void run() override;

  private:
    bool columns() const;
    void linesChanged();
    // Reports an operation's code; "desfazer" follows what is left to undo.
    void report(int code);
    // "conferir": whether the chosen matrix is the window's after one
    // elementary operation, which may then be taken as the next step.
    void checkStep();

    StepOperations& steps_;
    Prompter& prompter_;
    QRadioButton* rows_;
    LetterList* matrix_;
    QLineEdit* factor_;
    QLineEdit* index_;
    QLabel* indexLabel_;
    QLineEdit* target_;
    QLabel* targetLabel_;
    QLineEdit* first_;
    QLabel* swapLabel_;
    QLineEdit* second_;
    QPushButton* undo_;
    LetterList* checked_;
};

}  // namespace lorvex
