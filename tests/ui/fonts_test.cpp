#include "toolkit/fonts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QTranslator>

#include "toolkit/font_dialog.h"
#include "toolkit/qt_translations.h"

namespace lorvex {
namespace {

// The font, file and print dialogs are Qt's own; their texts come from Qt's
// translations, which the set-up script installs.
TEST(Fonts, QtsOwnDialogsSpeakPortuguese) {
    QApplication& application = *qApp;
    installQtTranslations(application);
    EXPECT_EQ(QCoreApplication::translate("QFontDialog", "&Font"), "&Fonte");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Procurar em:");
    for (QTranslator* translator : application.findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

TEST(Fonts, RecordsBecomeQtFonts) {
    const LogicalFont record{.height = -16,
                             .weight = 700,
                             .italic = 1,
                             .underline = 1,
                             .pitchAndFamily = font::kFixedPitch | font::kModernFamily,
                             .faceName = "Courier New"};
    const QFont font = toQFont(record);
    EXPECT_EQ(font.family(), "Courier New");
    EXPECT_EQ(font.pixelSize(), 16);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_FALSE(font.strikeOut());
    EXPECT_TRUE(font.fixedPitch());
}

TEST(Fonts, QtFontsBecomeRecords) {
    LogicalFont symbol;
    symbol.charset = font::kSymbolCharset;
    QFont chosen(QStringLiteral("Times New Roman"));
    chosen.setPointSize(12);
    chosen.setItalic(true);
    // 12 points are 16 pixels at 96 pixels per inch and 20 at 120.
    const LogicalFont record = withQFont(symbol, chosen, 96);
    EXPECT_EQ(record.height, -16);
    EXPECT_EQ(record.faceName, "Times New Roman");
    EXPECT_EQ(record.weight, 400);
    EXPECT_EQ(record.italic, 1);
    EXPECT_EQ(record.charset, font::kSymbolCharset) << "fields Qt does not know stay";
    EXPECT_EQ(withQFont(symbol, chosen, 120).height, -20);

    const LogicalFont entries{.height = -21, .weight = 600, .faceName = "Courier New"};
    EXPECT_EQ(withQFont(entries, toQFont(entries), 96), entries) << "a round trip";
}

TEST(Fonts, RecordColoursAreBlueGreenRed) {
    EXPECT_EQ(colourFromRecord(0x00FF8040), QColor(0x40, 0x80, 0xFF));
    EXPECT_EQ(recordFromColour(QColor(0x40, 0x80, 0xFF)), 0x00FF8040u);
}

// The dialog opens on the face the window draws (the one asked for may not
// be installed), so "ok" without a change keeps the font; the colour is one
// of the palette's named colours or the font's own.
TEST(FontDialog, OpensOnTheWindowsFontAndColour) {
    const FontSetting entries = defaultWindowSettings().fonts[kEntryFont];
    TFontDlg dialog(nullptr, "entrada de matriz", entries);
    const QFont shown = dialog.fonts()->currentFont();
    EXPECT_EQ(shown.family(), QFontInfo(toQFont(entries.font)).family());
    EXPECT_TRUE(QFontInfo(shown).fixedPitch());
    EXPECT_EQ(dialog.chosen(), entries);
    EXPECT_EQ(dialog.colours()->currentText(), "preto");
    dialog.colours()->setCurrentIndex(dialog.colours()->findText("azul real"));
    EXPECT_EQ(dialog.chosen().colour, 0x00FF0000u) << "#0000FF";

    FontSetting brown = entries;
    brown.colour = 0x00204080;
    EXPECT_EQ(TFontDlg(nullptr, "", brown).chosen().colour, 0x00204080u);
}

}  // namespace
}  // namespace lorvex
