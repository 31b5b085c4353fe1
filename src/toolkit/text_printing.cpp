#include "toolkit/text_printing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <algorithm>
#include <cmath>

#include "engine/result_codes.h"
#include "toolkit/fonts.h"
#include "toolkit/palette.h"
#include "toolkit/qt_text.h"
#include "workspace/print_layout.h"

namespace lorvex {
namespace {

constexpr int kPointsPerInch = 72;

QColor paletteGrey(int index) {
    if (index == palette::kBlack || index == palette::kWhite) return palette::color(index);
    const int level = 248 - 8 * (index % palette::kSize);
    return QColor(level, level, level);
}

// The font's point size in tenths: as the font dialog gave it, or else from
// its height on the screen.
long double tenthsOfPoints(const FontSetting& font) {
    if (font.extra > 0) return font.extra;
    const std::int32_t pixels = shownFontPixels(font.font.height);
    const std::int32_t screen = screenPixelsPerInch();
    return pixels * 10.0L * kPointsPerInch / std::max(1, screen);
}

QFont printerFont(const FontSetting& setting, int pixelsPerInch) {
    QFont font = toQFont(setting.font);
    const long double pixels = tenthsOfPoints(setting) * pixelsPerInch / (10.0L * kPointsPerInch);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    return font;
}

PrinterPage describePage(QPrinter& printer, const QFont& font) {
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
    return {printer.logicalDpiX(),
            printer.logicalDpiY(),
            static_cast<int>(std::lround(printable.left() - paper.left())),
            static_cast<int>(std::lround(printable.top() - paper.top())),
            printer.paperRect(QPrinter::Millimeter).width(),
            QFontMetrics(font, &printer).size(Qt::TextSingleLine, QStringLiteral("M")).height()};
}

}  // namespace

QColor printedColour(const QColor& colour, bool colourPrinter) {
    if (colourPrinter) return colour;
    for (int index = 0; index < palette::kSize; ++index) {
        if (palette::color(index) == colour) return paletteGrey(index);
    }
    const int level = qGray(colour.rgb());
    return QColor(level, level, level);
}

int printText(QPrinter& printer, const TextPrintout& printout, QWidget* parent) {
    if (printout.text.isEmpty()) return code::Ok;
    const QFont font = printerFont(printout.font, printer.logicalDpiY());
    const PrinterPage page = describePage(printer, font);
    const std::string text = toStdString(printout.text);
    const std::vector<PrintedPage> pages =
        layoutPages(text, printout.leftMargin, printout.topMargin, page);

    printer.setDocName(printout.title);
    QPainter painter;
    if (!painter.begin(&printer)) return code::CannotSaveFile;
    painter.setFont(font);
    painter.setPen(printedColour(colourFromRecord(printout.font.colour), printout.colourPrinter));
    const int ascent = QFontMetrics(font, &printer).ascent();

    QProgressDialog progress(parent);
    progress.setWindowTitle(uiString(strings::id::PrintingTitle));
    progress.setCancelButtonText(uiString(strings::id::Cancel));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setRange(0, static_cast<int>(pages.size()));
    const QString pageLabel = uiString(strings::id::PrintingPage);
    for (std::size_t number = 0; number < pages.size(); ++number) {
        progress.setLabelText(
            QString(pageLabel).replace(QStringLiteral("%d"), QString::number(number + 1)));
        progress.setValue(static_cast<int>(number));
        if (progress.wasCanceled()) {
            printer.abort();
            return code::UserStop;
        }
        if (number > 0) printer.newPage();
        for (const PrintedLine& line : pages[number]) {
            painter.drawText(line.x, line.y + ascent,
                             toQString(std::string_view(text).substr(line.start, line.length)));
        }
    }
    progress.setValue(progress.maximum());
    return painter.end() ? code::Ok : code::CannotSaveFile;
}

}  // namespace lorvex
