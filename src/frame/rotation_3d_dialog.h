#pragma once

#include "frame/command_dialog.h"

class QLineEdit;

namespace lorvex {

class GeometryOperations;
class LetterList;
class VectorSource;

// ROT3D: the rotation of space by an angle in degrees about an axis, typed
// or taken from a matrix.
class TRot3Dlg : public CommandDialog {
    Q_OBJECT
  public:
    TRot3Dlg(GeometryOperations& geometry, QWidget* parent);

  protected:
    void run() override;

  private:
    GeometryOperations& geometry_;
    VectorSource* axis_ = nullptr;
    QLineEdit* degrees_;
    LetterList* letter_;
};

}  // namespace lorvex
