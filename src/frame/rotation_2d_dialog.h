#pragma once

#include "frame/command_dialog.h"

class QLineEdit;

namespace lorvex {

class GeometryOperations;
class LetterList;

// ROT2D: the rotation of the plane by an angle in degrees.
class TRot2Dlg : public CommandDialog {
    Q_OBJECT
  public:
    TRot2Dlg(GeometryOperations& geometry, QWidget* parent);

  protected:
    void run() override;

  private:
    GeometryOperations& geometry_;
    QLineEdit* degrees_;
    LetterList* letter_;
};

}  // namespace lorvex
