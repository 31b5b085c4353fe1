#pragma once

#include "frame/command_dialog.h"

namespace lorvex {

class GeometryOperations;
class LetterList;
class VectorSource;

// IROT3D: the rotation of space with exact rational entries, from an integer
// axis and the pair (r cos, r sin) of the angle, each typed or taken from a
// matrix.
class TIRot3Dlg : public CommandDialog {
    Q_OBJECT
  public:
    TIRot3Dlg(GeometryOperations& geometry, QWidget* parent);

  protected:
    void run() override;

  private:
    GeometryOperations& geometry_;
    VectorSource* axis_ = nullptr;
    VectorSource* angle_ = nullptr;
    LetterList* letter_;
};

}  // namespace lorvex
