#pragma once

#include "frame/command_dialog.h"

class QRadioButton;

namespace lorvex {

class GeometryOperations;
class LetterList;

// PROREF: the projection onto, or the reflection through, the hyperplane
// orthogonal to a row or column; exact in integer mode.
class TProRefDlg : public CommandDialog {
    Q_OBJECT
  public:
    TProRefDlg(GeometryOperations& geometry, QWidget* parent);

  protected:
    void run() override;

  private:
    GeometryOperations& geometry_;
    LetterList* axis_;
    QRadioButton* projection_;
    QRadioButton* reflection_;
    LetterList* letter_;
};

}  // namespace lorvex
