#include "toolkit/font_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "toolkit/fonts.h"
#include "toolkit/palette.h"
#include "toolkit/qt_text.h"

namespace lorvex {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr int kSwatchSize = 12;

QIcon swatch(const QColor& colour) {
    QPixmap pixmap(kSwatchSize, kSwatchSize);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

// The record's face as the window draws it, with its size in points, which
// is what the font dialog lists.
QFont shownFont(const LogicalFont& record) {
    QFont font = toQFont(record);
    const QFontInfo drawn(font);
    font.setFamily(drawn.family());
    font.setPointSizeF(drawn.pixelSize() * kPointsPerInch / screenPixelsPerInch());
    return font;
}

}  // namespace

TFontDlg::TFontDlg(QWidget* parent, const QString& title, const FontSetting& current)
    : QDialog(parent),
      current_(current),
      fonts_(new QFontDialog(this)),
      colours_(new QComboBox(this)) {
    setWindowTitle(title);
    const QFont shown = shownFont(current.font);
    shownFamily_ = shown.family();
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts_->setSizeGripEnabled(false);
    fonts_->setCurrentFont(shown);

    colours_->setObjectName(QStringLiteral("colour"));
    const QColor colour = colourFromRecord(current.colour);
    for (int index = 0; index < palette::kSize; ++index) {
        const QColor named = palette::color(index);
        colours_->addItem(swatch(named), uiString(strings::id::FirstColourName + index), named);
    }
    int chosen = colours_->findData(colour);
    if (chosen < 0) {
        colours_->addItem(swatch(colour), colour.name(), colour);
        chosen = colours_->count() - 1;
    }
    colours_->setCurrentIndex(chosen);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(uiString(strings::id::OkButton), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(uiString(strings::id::Cancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    auto* colourRow = new QFormLayout;
    colourRow->addRow(uiString(strings::id::FontColour), colours_);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
}

FontSetting TFontDlg::chosen() const {
    QFont font = fonts_->currentFont();
    if (font.family() == shownFamily_) font.setFamily(toQString(current_.font.faceName));
    const std::int32_t pixelsPerInch = screenPixelsPerInch();
    FontSetting setting = current_;
    setting.font = withQFont(current_.font, font, pixelsPerInch);
    const double points = font.pointSizeF() > 0 ? font.pointSizeF()
                                                : font.pixelSize() * kPointsPerInch / pixelsPerInch;
    setting.extra = static_cast<std::int32_t>(std::lround(points * 10));
    setting.colour = recordFromColour(colours_->currentData().value<QColor>());
    return setting;
}

}  // namespace lorvex
