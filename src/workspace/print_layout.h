#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// Where the lines of a printed text go: which part of the text each page
// holds and where each line is drawn, in the printer's device pixels. Kept
// apart from the printer itself so that the rule can be checked without one.
namespace lorvex {

// A margin is never less than a quarter of an inch: the printer could not
// reach closer to the edge of the paper.
inline constexpr long double kSmallestMargin = 0.25L;

// What the printer says about its pages.
struct PrinterPage {
    int pixelsPerInchX = 0;
    int pixelsPerInchY = 0;
    // Where the printable area, the origin of drawing, starts on the paper.
    int offsetX = 0;
    int offsetY = 0;
    // As the paper lies: a landscape page is as wide as its long side.
    double paperWidthMillimetres = 0;
    // The height of "M" in the font the text is printed with.
    int lineHeight = 0;
};

// One line: `length` characters of the text from `start` (its end of line
// left out), drawn with its top left at (x, y).
struct PrintedLine {
    std::size_t start = 0;
    std::size_t length = 0;
    int x = 0;
    int y = 0;

    friend bool operator==(const PrintedLine&, const PrintedLine&) = default;
};
using PrintedPage = std::vector<PrintedLine>;

// The number of lines a page holds below the top margin. A paper at most 9
// inches wide is taken to be a portrait page 10 inches long, a wider one a
// landscape page 7.5 inches long, whatever the paper's real length.
int linesPerPage(long double topMargin, const PrinterPage& page);

// The pages of a text. A line ends at CR, CR LF, LF or a form feed; a page
// ends when it is full, after a form feed, or with the text. Margins below a
// quarter inch are raised to it. An empty text has no page.
std::vector<PrintedPage> layoutPages(std::string_view text, long double leftMargin,
                                     long double topMargin, const PrinterPage& page);

}  // namespace lorvex
