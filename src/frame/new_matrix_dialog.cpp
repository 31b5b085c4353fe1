#include "frame/new_matrix_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "frame/letter_list.h"
#include "toolkit/qt_text.h"
#include "workspace/frame_operations.h"

namespace lorvex {
namespace {

constexpr int kSizeLength = 29;
constexpr int kNewMatrix = 234;
constexpr int kFirstModeName = 230;

QLineEdit* field(const QString& text, const QString& id, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(id);
    edit->setMaxLength(kSizeLength);
    return edit;
}

}  // namespace

TNewMatDlg::TNewMatDlg(FrameOperations& operations, QWidget* parent)
    : CommandDialog(QString(), QStringLiteral("criar"), parent),
      operations_(operations),
      mode_(operations.workspace().Mode()),
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
    layout->addRow(QStringLiteral("dimensões"), size);
    layout->addRow(QStringLiteral("nome"), letter_);
    static constexpr const char* kKindLabels[] = {"zeros", "aleatório", "valor diagonal",
                                                  "linhas de probabilidades",
                                                  "colunas de probabilidades"};
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
        kinds_[i] = new QRadioButton(QString::fromUtf8(kKindLabels[i]), this);
        kinds_[i]->setObjectName(QString::number(251 + i));
        layout->addRow(kinds_[i]);
        connect(kinds_[i], &QRadioButton::toggled, this, &TNewMatDlg::showSizeFields);
    }
    kinds_[0]->setChecked(true);
    layout->addRow(QStringLiteral("limite inferior"), lower_);
    layout->addRow(QStringLiteral("limite superior"), upper_);
    layout->addRow(QStringLiteral("valor diagonal"), diagonal_);
    layout->addRow(buttons());
    const bool integer = mode_ == WorkspaceMode::Integer;
    lower_->setText(integer ? "1" : "0.0");
    upper_->setText(integer ? "10" : "1.0");
    diagonal_->setText(integer ? "1" : "1.0");
    setMode(mode_);
}

void TNewMatDlg::setMode(WorkspaceMode mode) {
    const bool wasInteger = mode_ == WorkspaceMode::Integer;
    const bool integer = mode == WorkspaceMode::Integer;
    if (integer && !wasInteger) {
        lower_->setText("1");
        upper_->setText("10");
        diagonal_->setText("1");
    } else if (!integer && wasInteger) {
        lower_->setText("0.0");
        upper_->setText("1.0");
        diagonal_->setText("1.0");
    }
    mode_ = mode;
    setWindowTitle(uiString(kNewMatrix) + " [" + uiString(kFirstModeName + static_cast<int>(mode)) +
                   "]");
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
        mode_ == WorkspaceMode::Integer
            ? operations_.MakeIntMatrix(letter_->letter(), kind, rows, cols, lower, upper, diagonal)
            : operations_.MakeMatrix(letter_->letter(), kind, rows, cols, lower, upper, diagonal);
    showError(operations_.workspace().prompter(), rc);
}

}  // namespace lorvex
