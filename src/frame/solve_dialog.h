#pragma once

#include "frame/command_dialog.h"

class QRadioButton;

namespace lorvex {

class FrameOperations;
class LetterList;

// SOLVE: M*X = B, with B a column or zeros, storing X and the null space.
class TSolveDlg : public CommandDialog {
    Q_OBJECT
  public:
    TSolveDlg(FrameOperations& operations, QWidget* parent);

  protected:
    void run() override;

  private:
    FrameOperations& operations_;
    LetterList* matrix_;
    QRadioButton* zeros_;
    QRadioButton* column_;
    LetterList* rightSide_;
    LetterList* solution_;
    LetterList* nullSpace_;
};

}  // namespace lorvex
