#include "frame/unitary_dialog.h"

#include <QFormLayout>
#include <QLineEdit>

#include "frame/letter_list.h"
#include "toolkit/qt_text.h"
#include "workspace/generator_operations.h"

namespace lorvex {

TUniDlg::TUniDlg(GeneratorOperations& generators, QWidget* parent)
    : CommandDialog(uiString(strings::id::UnitaryTitle), uiString(strings::id::Create), parent),
      generators_(generators),
      rows_(new QLineEdit(QStringLiteral("3"), this)),
      letter_(new LetterList(13, this)) {
    rows_->setObjectName("211");
    rows_->setMaxLength(29);
    letter_->setObjectName("295");
    auto* layout = new QFormLayout(this);
    layout->addRow(uiString(strings::id::RowsLabel), rows_);
    layout->addRow(uiString(strings::id::NameLabel), letter_);
    layout->addRow(buttons());
}

void TUniDlg::run() {
    const int rc = generators_.UnitaryRandom(toStdString(rows_->text()), letter_->letter());
    showError(generators_.context().prompter, rc);
}

}  // namespace lorvex
