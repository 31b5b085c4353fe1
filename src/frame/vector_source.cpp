#include "frame/vector_source.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "frame/letter_list.h"
#include "toolkit/qt_text.h"

namespace lorvex {

VectorSource::VectorSource(QFormLayout& form, const QString& title, const QString& matrixChoice,
                           Ids ids, std::int32_t letter,
                           std::initializer_list<Component> components, int maxLength)
    : QObject(form.parentWidget()),
      form_(form),
      typed_(new QRadioButton(uiString(strings::id::ComponentsChoice), form.parentWidget())),
      list_(new LetterList(letter, form.parentWidget())) {
    QWidget* dialog = form.parentWidget();
    auto* fromMatrix = new QRadioButton(matrixChoice, dialog);
    typed_->setObjectName(QString::number(ids.firstRadio));
    fromMatrix->setObjectName(QString::number(ids.firstRadio + 1));
    list_->setObjectName(QString::number(ids.list));
    // The row keeps its width whichever source shows.
    QSizePolicy keepWidth = list_->sizePolicy();
    keepWidth.setRetainSizeWhenHidden(true);
    list_->setSizePolicy(keepWidth);
    // Each pair of radio buttons is a choice of its own. The list stays a
    // child of the dialog, beside the label that names it.
    auto* choice = new QButtonGroup(this);
    choice->addButton(typed_);
    choice->addButton(fromMatrix);
    auto* row = new QHBoxLayout;
    row->addWidget(typed_);
    row->addWidget(fromMatrix);
    row->addWidget(list_);
    row->addStretch();
    auto* label = new QLabel(title, dialog);
    label->setBuddy(list_);
    form.addRow(label, row);
    int id = ids.firstField;
    for (const Component& component : components) {
        auto* field = new QLineEdit(component.initial, dialog);
        field->setObjectName(QString::number(id++));
        field->setMaxLength(maxLength);
        form.addRow(component.label, field);
        fields_.push_back(field);
    }
    typed_->setChecked(true);
    connect(typed_, &QRadioButton::toggled, this, &VectorSource::showSource);
    showSource();
}

std::int32_t VectorSource::letter() const {
    return typed_->isChecked() ? 0 : list_->letter();
}

std::string VectorSource::component(std::size_t index) const {
    return typed_->isChecked() ? toStdString(fields_[index]->text()) : std::string();
}

void VectorSource::showSource() {
    const bool typed = typed_->isChecked();
    list_->setVisible(!typed);
    for (QLineEdit* field : fields_)
        form_.setRowVisible(field, typed);
    // An open dialog shrinks to what it shows now.
    QWidget* dialog = form_.parentWidget();
    if (dialog->isVisible()) dialog->adjustSize();
}

}  // namespace lorvex
