#include "frame/rotation_3d_dialog.h"

#include <QFormLayout>
#include <QLineEdit>

#include "frame/letter_list.h"
#include "frame/vector_source.h"
#include "toolkit/qt_text.h"
#include "workspace/geometry_operations.h"

namespace lorvex {

TRot3Dlg::TRot3Dlg(GeometryOperations& geometry, QWidget* parent)
    : CommandDialog(uiString(strings::id::SpaceRotation), uiString(strings::id::Create), parent),
      geometry_(geometry),
      degrees_(new QLineEdit(QStringLiteral("60.0"), this)),
      letter_(new LetterList(13, this)) {
    constexpr int kLength = 29;
    degrees_->setObjectName("214");
    degrees_->setMaxLength(kLength);
    letter_->setObjectName("296");
    auto* layout = new QFormLayout(this);
    axis_ = new VectorSource(*layout, uiString(strings::id::AxisLabel),
                             uiString(strings::id::MatrixChoice), {251, 211, 295}, 1,
                             {{"x", "2.0"}, {"y", "1.0"}, {"z", "2.0"}}, kLength);
    layout->addRow(uiString(strings::id::DegreesLabel), degrees_);
    layout->addRow(uiString(strings::id::NameLabel), letter_);
    layout->addRow(buttons());
}

void TRot3Dlg::run() {
    const int rc =
        geometry_.Rotate3D(axis_->letter(), letter_->letter(), axis_->component(0),
                           axis_->component(1), axis_->component(2), toStdString(degrees_->text()));
    showError(geometry_.context().prompter, rc);
}

}  // namespace lorvex
