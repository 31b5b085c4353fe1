#pragma once

#include <QColor>
#include <QString>

#include "workspace/window_settings.h"

class QPrinter;
class QWidget;

namespace lorvex {

// Everything a printed text needs from its window (the printout): the title
// the printer's queue shows, the text, the window's text font, the top-left
// margins in inches and whether the printer prints colours.
struct TextPrintout {
    QString title;
    QString text;
    FontSetting font;
    long double leftMargin = 1.0L;
    long double topMargin = 1.0L;
    bool colourPrinter = false;
};

// Prints the text page by page, the font at its point size on the printer,
// while a progress dialog ("imprimindo") names the page; its "cancelar"
// stops printing. An empty text prints nothing and leaves the printer
// untouched. Gives code::Ok, code::UserStop when stopped, or
// code::CannotSaveFile when the printer (or its file) could not be opened.
[[nodiscard]] int printText(QPrinter& printer, const TextPrintout& printout, QWidget* parent);

// The colour a printer is given: on a black-and-white printer a palette
// colour becomes its grey (black and white stay, index i becomes the grey
// 248 - 8 i), any other colour the grey of its brightness.
QColor printedColour(const QColor& colour, bool colourPrinter);

}  // namespace lorvex
