#include "frame/copy_column_dialog.h"

#include <QFormLayout>
#include <QLineEdit>

#include "frame/letter_list.h"
#include "toolkit/qt_text.h"
#include "workspace/generator_operations.h"

namespace lorvex {

TCopyDlg::TCopyDlg(GeneratorOperations& generators, QWidget* parent)
    : CommandDialog(uiString(strings::id::CopyColumnTitle), uiString(strings::id::Create), parent),
      generators_(generators),
      column_(new QLineEdit(QStringLiteral("1"), this)),
      source_(new LetterList(1, this)),
      result_(new LetterList(3, this)) {
    column_->setObjectName("211");
    column_->setMaxLength(19);
    source_->setObjectName("296");
    result_->setObjectName("295");
    auto* layout = new QFormLayout(this);
    layout->addRow(uiString(strings::id::Column), column_);
    layout->addRow(uiString(strings::id::SourceLabel), source_);
    layout->addRow(uiString(strings::id::ResultNameLabel), result_);
    layout->addRow(buttons());
}

void TCopyDlg::run() {
    const int rc =
        generators_.CopyColumn(source_->letter(), result_->letter(), toStdString(column_->text()));
    showError(generators_.context().prompter, rc);
}

}  // namespace lorvex
