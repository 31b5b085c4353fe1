#include "frame/rotation_2d_dialog.h"

#include <QFormLayout>
#include <QLineEdit>

#include "frame/letter_list.h"
#include "toolkit/qt_text.h"
#include "workspace/geometry_operations.h"

namespace lorvex {

TRot2Dlg::TRot2Dlg(GeometryOperations& geometry, QWidget* parent)
    : CommandDialog(uiString(strings::id::PlaneRotation), uiString(strings::id::Create), parent),
      geometry_(geometry),
      degrees_(new QLineEdit(QStringLiteral("60.0"), this)),
      letter_(new LetterList(13, this)) {
    degrees_->setObjectName("214");
    degrees_->setMaxLength(29);
    letter_->setObjectName("296");
    auto* layout = new QFormLayout(this);
    layout->addRow(uiString(strings::id::DegreesLabel), degrees_);
    layout->addRow(uiString(strings::id::NameLabel), letter_);
    layout->addRow(buttons());
}

void TRot2Dlg::run() {
    const int rc = geometry_.Rotate2D(letter_->letter(), toStdString(degrees_->text()));
    showError(geometry_.context().prompter, rc);
}

}  // namespace lorvex
