#include "frame/calc_dialog.h"

#include <QFormLayout>
#include <QLineEdit>

#include "frame/letter_list.h"
#include "toolkit/computation_stopper.h"
#include "toolkit/qt_text.h"
#include "workspace/calculation_operations.h"

namespace lorvex {

TCalcDlg::TCalcDlg(CalculationOperations& calculations, QWidget* parent)
    : CommandDialog(uiString(strings::id::CalculateTitle), uiString(strings::id::Create), parent),
      calculations_(calculations),
      text_(new QLineEdit(QStringLiteral("A + B"), this)),
      letter_(new LetterList(3, this)) {
    text_->setObjectName("211");
    text_->setMaxLength(254);
    // The expression has no label of its own; it is what the dialog is for.
    text_->setAccessibleName(windowTitle());
    letter_->setObjectName("295");
    auto* layout = new QFormLayout(this);
    layout->addRow(text_);
    layout->addRow(uiString(strings::id::NameResult), letter_);
    layout->addRow(buttons());
}

void TCalcDlg::run() {
    ComputationStopper stopper(this);
    const int rc = calculations_.CalcExpression(letter_->letter(), toStdString(text_->text()),
                                                stopper.stopCheck());
    showError(calculations_.context().prompter, rc);
}

}  // namespace lorvex
