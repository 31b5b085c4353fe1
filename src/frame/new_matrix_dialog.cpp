#include "frame/new_matrix_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "frame/letter_list.h"
#include "toolkit/qt_text.h"
#include "workspace/generator_operations.h"

namespace lorvex {
namespace {

constexpr int kSizeLength = 29;

QLineEdit* field(const QString& text, const QString& id, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(id);
    edit->setMaxLength(kSizeLength);
    return edit;
}

}  // namespace

TNewMatDlg::TNewMatDlg(GeneratorOperations& generators, QWidget* parent)
    : CommandDialog(QString(), uiString(strings::id::Create), parent),
      generators_(generators),
      mode_(generators.context().workspace.Mode()),
      rows_(field("3", "211", this)),
      cols_(field("3", "212", this)),
      times_(new QLabel(QStringLiteral("X"), this)),
      letter_(new LetterList(13, this)),
      lower_(field("", "213", this)),
      upper_(field("", "214", this)),
      diagonal_(field("", "215", this)) {
    letter_->setObjectName("296");
    auto* layout = new QFormLayout(this);
    auto* size = new QHBoxLayout;
    size->addWidget(rows_);
    size->addWidget(times_);
    size->addWidget(cols_);
    // Read aloud, the size label names the rows and "X" the columns.
    auto* sizeLabel = new QLabel(uiString(strings::id::SizeLabel), this);
    sizeLabel->setBuddy(rows_);
    times_->setBuddy(cols_);
    layout->addRow(sizeLabel, size);
    layout->addRow(uiString(strings::id::NameLabel), letter_);
    static constexpr int kKindLabels[] = {strings::id::Zeros, strings::id::RandomKind,
                                          strings::id::DiagonalValue, strings::id::RowProbabilities,
                                          strings::id::ColumnProbabilities};
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
        kinds_[i] = new QRadioButton(uiString(kKindLabels[i]), this);
        kinds_[i]->setObjectName(QString::number(251 + i));
        layout->addRow(kinds_[i]);
        connect(kinds_[i], &QRadioButton::toggled, this, &TNewMatDlg::showSizeFields);
    }
    kinds_[0]->setChecked(true);
    layout->addRow(uiString(strings::id::LowerBound), lower_);
    layout->addRow(uiString(strings::id::UpperBound), upper_);
    layout->addRow(uiString(strings::id::DiagonalValue), diagonal_);
    layout->addRow(buttons());
    showDefaults(mode_);
    setMode(mode_);
}

void TNewMatDlg::showDefaults(WorkspaceMode mode) {
    const NewMatrixDefaults defaults = newMatrixDefaults(mode);
    lower_->setText(toQString(defaults.lower));
    upper_->setText(toQString(defaults.upper));
    diagonal_->setText(toQString(defaults.diagonal));
}

// Real and complex mode share their fields' texts, so only a change into or
// out of integer mode replaces what the user typed.
void TNewMatDlg::setMode(WorkspaceMode mode) {
    if ((mode == WorkspaceMode::Integer) != (mode_ == WorkspaceMode::Integer)) showDefaults(mode);
    mode_ = mode;
    setWindowTitle(uiString(strings::id::NewMatrix) + " [" +
                   uiString(strings::id::FirstModeName + static_cast<int>(mode)) + "]");
}

// A diagonal matrix is square: the columns field and the "X" hide.
void TNewMatDlg::showSizeFields() {
    const bool diagonal = kinds_[2]->isChecked();
    cols_->setVisible(!diagonal);
    times_->setVisible(!diagonal);
}

void TNewMatDlg::run() {
    NewMatrixKind kind = NewMatrixKind::Zeros;
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
        if (kinds_[i]->isChecked()) kind = static_cast<NewMatrixKind>(i);
    }
    const std::string rows = toStdString(rows_->text());
    const std::string cols = toStdString(cols_->text());
    const std::string lower = toStdString(lower_->text());
    const std::string upper = toStdString(upper_->text());
    const std::string diagonal = toStdString(diagonal_->text());
    const int rc =
        generators_.MakeMatrix(letter_->letter(), kind, rows, cols, lower, upper, diagonal);
    showError(generators_.context().prompter, rc);
}

}  // namespace lorvex
