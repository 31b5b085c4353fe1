#include "toolkit/margins_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <cstdio>

#include "engine/result_codes.h"
#include "toolkit/qt_text.h"
#include "workspace/print_layout.h"
#include "workspace/prompter.h"
#include "workspace/text_numbers.h"

namespace lorvex {
namespace {

constexpr long double kCentimetresPerInch = 2.54L;

QString centimetres(long double inches) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%4.2Lf", inches * kCentimetresPerInch);
    return QString::fromLatin1(text.data());
}

long double inches(const QLineEdit& edit) {
    return leadingDecimal(toStdString(edit.text())) * (1.0L / kCentimetresPerInch);
}

QLineEdit* marginEdit(QWidget* parent, const char* id, long double margin) {
    auto* edit = new QLineEdit(centimetres(margin), parent);
    edit->setObjectName(QString::fromLatin1(id));
    return edit;
}

}  // namespace

TMarginsDlg::TMarginsDlg(QWidget* parent, Prompter& prompter, long double leftMargin,
                         long double topMargin)
    : QDialog(parent),
      prompter_(prompter),
      leftMargin_(leftMargin),
      topMargin_(topMargin),
      horizontal_(marginEdit(this, "213", leftMargin)),
      vertical_(marginEdit(this, "214", topMargin)) {
    setWindowTitle(uiString(strings::id::MarginsTitle));
    auto* corner = new QGroupBox(uiString(strings::id::TopLeftCorner), this);
    auto* fields = new QFormLayout(corner);
    fields->addRow(uiString(strings::id::Horizontal), horizontal_);
    fields->addRow(uiString(strings::id::Vertical), vertical_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(uiString(strings::id::OkButton), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(uiString(strings::id::Cancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TMarginsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(corner);
    layout->addWidget(buttons);
}

void TMarginsDlg::accept() {
    const long double left = inches(*horizontal_);
    const long double top = inches(*vertical_);
    if (!(left >= kSmallestMargin && top >= kSmallestMargin)) {
        showError(prompter_, code::OutOfRange);
        return;
    }
    leftMargin_ = left;
    topMargin_ = top;
    QDialog::accept();
}

}  // namespace lorvex
