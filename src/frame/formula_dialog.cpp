#include "frame/formula_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "frame/letter_list.h"
#include "toolkit/computation_stopper.h"
#include "toolkit/qt_text.h"
#include "workspace/generator_operations.h"

namespace lorvex {
namespace {

QLineEdit* sizeField(const QString& id, QWidget* parent) {
    auto* edit = new QLineEdit(QStringLiteral("3"), parent);
    edit->setObjectName(id);
    edit->setMaxLength(29);
    return edit;
}

}  // namespace

TFmlaDlg::TFmlaDlg(GeneratorOperations& generators, QWidget* parent)
    : CommandDialog(uiString(strings::id::FormulaTitle), uiString(strings::id::Create), parent),
      generators_(generators),
      rows_(sizeField("211", this)),
      cols_(sizeField("212", this)),
      letter_(new LetterList(13, this)),
      entryLabel_(new QLabel(this)),
      formula_(new QLineEdit(QStringLiteral("sin(i*pi/(i+j))"), this)) {
    letter_->setObjectName("296");
    formula_->setObjectName("213");
    formula_->setMaxLength(254);
    formula_->setMinimumWidth(formula_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    entryLabel_->setObjectName("231");
    entryLabel_->setBuddy(formula_);
    auto* layout = new QFormLayout(this);
    auto* size = new QHBoxLayout;
    size->addWidget(rows_);
    auto* times = new QLabel(QStringLiteral("X"), this);
    size->addWidget(times);
    size->addWidget(cols_);
    // Read aloud, the size label names the rows and "X" the columns.
    auto* sizeLabel = new QLabel(uiString(strings::id::SizeLabel), this);
    sizeLabel->setBuddy(rows_);
    times->setBuddy(cols_);
    layout->addRow(sizeLabel, size);
    layout->addRow(uiString(strings::id::NameLabel), letter_);
    layout->addRow(entryLabel_, formula_);
    layout->addRow(buttons());
    connect(letter_, &QComboBox::currentIndexChanged, this, &TFmlaDlg::nameFormula);
    nameFormula();
}

// The formula's label names the entries of the chosen letter: "M(i,j) =".
void TFmlaDlg::nameFormula() {
    entryLabel_->setText(letter_->currentText() + uiString(strings::id::FormulaOfEntries));
}

void TFmlaDlg::run() {
    ComputationStopper stopper(this);
    const int rc = generators_.Formula(letter_->letter(), toStdString(rows_->text()),
                                       toStdString(cols_->text()), toStdString(formula_->text()),
                                       stopper.stopCheck());
    showError(generators_.context().prompter, rc);
}

}  // namespace lorvex
