#include "frame/integer_rotation_3d_dialog.h"

#include <QFormLayout>

#include "frame/letter_list.h"
#include "frame/vector_source.h"
#include "toolkit/qt_text.h"
#include "workspace/geometry_operations.h"

namespace lorvex {

TIRot3Dlg::TIRot3Dlg(GeometryOperations& geometry, QWidget* parent)
    : CommandDialog(uiString(strings::id::SpaceRotation), uiString(strings::id::Create), parent),
      geometry_(geometry),
      letter_(new LetterList(13, this)) {
    constexpr int kLength = 254;
    letter_->setObjectName("297");
    auto* layout = new QFormLayout(this);
    const QString columnVector = uiString(strings::id::ColumnVectorChoice);
    axis_ = new VectorSource(*layout, uiString(strings::id::AxisLabel), columnVector,
                             {251, 211, 295}, 1, {{"x", "3"}, {"y", "6"}, {"z", "-2"}}, kLength);
    angle_ = new VectorSource(*layout, uiString(strings::id::AngleLabel), columnVector,
                              {253, 214, 296}, 11, {{"r cos", "4"}, {"r sin", "3"}}, kLength);
    layout->addRow(uiString(strings::id::NameLabel), letter_);
    layout->addRow(buttons());
}

void TIRot3Dlg::run() {
    const int rc = geometry_.IntRotate3D(
        axis_->letter(), angle_->letter(), letter_->letter(), axis_->component(0),
        axis_->component(1), axis_->component(2), angle_->component(0), angle_->component(1));
    showError(geometry_.context().prompter, rc);
}

}  // namespace lorvex
