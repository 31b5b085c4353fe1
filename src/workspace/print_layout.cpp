#include "workspace/print_layout.h"

#include <algorithm>
#include <cmath>

namespace lorvex {
namespace {

constexpr long double kInchesPerMillimetre = 0.03937L;
constexpr long double kWidestPortraitPaper = 9.0L;
constexpr long double kPortraitPageLength = 10.0L;
constexpr long double kLandscapePageLength = 7.5L;
// Far beyond any paper, and still well inside an int.
constexpr long double kFarthestPixel = 1.0e9L;

// Nearest pixel; a fraction of exactly one half goes toward zero.
int roundedPixels(long double value) {
    if (std::isnan(value)) return 0;
    value = std::clamp(value, -kFarthestPixel, kFarthestPixel);
    long double whole = std::trunc(value);
    const long double fraction = value - whole;
    if (fraction > 0.5L) whole += 1.0L;
    if (fraction < -0.5L) whole -= 1.0L;
    return static_cast<int>(whole);
}

long double heldMargin(long double margin) {
    return std::max(kSmallestMargin, margin);
}

}  // namespace

int linesPerPage(long double topMargin, const PrinterPage& page) {
    const long double paperWidth = page.paperWidthMillimetres * kInchesPerMillimetre;
    const long double pageLength =
        paperWidth <= kWidestPortraitPaper ? kPortraitPageLength : kLandscapePageLength;
    const int height = roundedPixels((pageLength - heldMargin(topMargin)) * page.pixelsPerInchY);
    return height / std::max(1, page.lineHeight);
}

std::vector<PrintedPage> layoutPages(std::string_view text, long double leftMargin,
                                     long double topMargin, const PrinterPage& page) {
    const int x = roundedPixels(heldMargin(leftMargin) * page.pixelsPerInchX) - page.offsetX;
    const int top = roundedPixels(heldMargin(topMargin) * page.pixelsPerInchY) - page.offsetY;
    // A margin reaching below the page still lets each page print one line,
    // so that the text comes to an end.
    const auto capacity = static_cast<std::size_t>(std::max(1, linesPerPage(topMargin, page)));

    std::vector<PrintedPage> pages;
    std::size_t position = 0;
    while (position < text.size()) {
        PrintedPage& lines = pages.emplace_back();
        bool formFeed = false;
        while (position < text.size() && lines.size() < capacity && !formFeed) {
            const std::size_t end = std::min(text.find_first_of("\r\n\f", position), text.size());
            const int y = top + static_cast<int>(lines.size()) * page.lineHeight;
            lines.push_back({position, end - position, x, y});
            position = end;
            if (position == text.size()) break;
            const char ending = text[position++];
            if (ending == '\r' && position < text.size() && text[position] == '\n') ++position;
            formFeed = ending == '\f';
        }
    }
    return pages;
}

}  // namespace lorvex
