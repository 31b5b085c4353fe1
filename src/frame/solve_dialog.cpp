#include "frame/solve_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include "frame/letter_list.h"
#include "toolkit/computation_stopper.h"
#include "toolkit/qt_text.h"
#include "workspace/calculation_operations.h"

namespace lorvex {

TSolveDlg::TSolveDlg(CalculationOperations& calculations, QWidget* parent)
    : CommandDialog(uiString(strings::id::SolveTitle), uiString(strings::id::SolveButton), parent),
      calculations_(calculations),
      matrix_(new LetterList(13, this)),
      zeros_(new QRadioButton(uiString(strings::id::Zeros), this)),
      column_(new QRadioButton(this)),
      rightSide_(new LetterList(2, this)),
      solution_(new LetterList(24, this)),
      nullSpace_(new LetterList(11, this)) {
    matrix_->setObjectName("295");
    zeros_->setObjectName("251");
    column_->setObjectName("252");
    rightSide_->setObjectName("296");
    solution_->setObjectName("297");
    nullSpace_->setObjectName("298");
    column_->setChecked(true);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("M"), matrix_);
    auto* right = new QHBoxLayout;
    right->addWidget(zeros_);
    right->addWidget(column_);
    right->addWidget(rightSide_);
    auto* rightLabel = new QLabel(QStringLiteral("B"), this);
    rightLabel->setBuddy(rightSide_);
    layout->addRow(rightLabel, right);
    layout->addRow(QStringLiteral("X"), solution_);
    layout->addRow(uiString(strings::id::NullSpaceLabel), nullSpace_);
    layout->addRow(buttons());
}

void TSolveDlg::run() {
    ComputationStopper stopper(this);
    const int rc = calculations_
                       .Solve(matrix_->letter(), rightSide_->letter(), solution_->letter(),
                              nullSpace_->letter(), zeros_->isChecked(), stopper.stopCheck())
                       .code;
    showError(calculations_.context().prompter, rc);
}

}  // namespace lorvex
