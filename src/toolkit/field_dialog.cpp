#include "toolkit/field_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "toolkit/qt_text.h"

namespace lorvex {

TGenDlg::TGenDlg(QWidget* parent, const Prompter::FieldsRequest& request) : QDialog(parent) {
    setWindowTitle(toQString(request.title));
    auto* layout = new QFormLayout(this);
    int id = 211;
    for (const Prompter::Field& field : request.fields) {
        if (!field.above.empty()) layout->addRow(new QLabel(toQString(field.above), this));
        auto* edit = new QLineEdit(toQString(field.text), this);
        edit->setObjectName(QString::number(id++));
        edit->setMaxLength(255);
        layout->addRow(toQString(field.label), edit);
        edits_.push_back(edit);
    }
    if (request.checkLabel) {
        check_ = new QCheckBox(toQString(*request.checkLabel), this);
        check_->setObjectName("271");
        check_->setChecked(request.checked);
        layout->addRow(check_);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(uiString(strings::id::OkButton), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(uiString(strings::id::Cancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

Prompter::FieldsAnswer TGenDlg::answer() const {
    Prompter::FieldsAnswer result;
    for (const QLineEdit* edit : edits_)
        result.texts.push_back(toStdString(edit->text()));
    result.checked = check_ != nullptr && check_->isChecked();
    return result;
}

}  // namespace lorvex
