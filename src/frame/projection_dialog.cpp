#include "frame/projection_dialog.h"

#include <QFormLayout>
#include <QRadioButton>

#include "frame/letter_list.h"
#include "toolkit/qt_text.h"
#include "workspace/geometry_operations.h"

namespace lorvex {

TProRefDlg::TProRefDlg(GeometryOperations& geometry, QWidget* parent)
    : CommandDialog(uiString(strings::id::ProjectReflectTitle), uiString(strings::id::Create),
                    parent),
      geometry_(geometry),
      axis_(new LetterList(1, this)),
      projection_(new QRadioButton(uiString(strings::id::ProjectionChoice), this)),
      reflection_(new QRadioButton(uiString(strings::id::ReflectionChoice), this)),
      letter_(new LetterList(13, this)) {
    axis_->setObjectName("295");
    projection_->setObjectName("251");
    reflection_->setObjectName("252");
    letter_->setObjectName("296");
    reflection_->setChecked(true);
    auto* layout = new QFormLayout(this);
    layout->addRow(uiString(strings::id::AxisLabel), axis_);
    layout->addRow(projection_);
    layout->addRow(reflection_);
    layout->addRow(uiString(strings::id::NameLabel), letter_);
    layout->addRow(buttons());
}

void TProRefDlg::run() {
    const bool projection = projection_->isChecked();
    const bool exact = geometry_.context().workspace.Mode() == WorkspaceMode::Integer;
    const int rc = exact
                       ? geometry_.IntProjectReflect(axis_->letter(), letter_->letter(), projection)
                       : geometry_.ProjectReflect(axis_->letter(), letter_->letter(), projection);
    showError(geometry_.context().prompter, rc);
}

}  // namespace lorvex
