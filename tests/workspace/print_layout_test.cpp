#include "workspace/print_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace lorvex {
namespace {

// A letter page at 600 pixels per inch whose printable area starts 25 pixels
// right of and 50 below the paper's corner, with lines 100 pixels high.
constexpr PrinterPage kPortrait{600, 600, 25, 50, 215.9, 100};
constexpr PrinterPage kLandscape{600, 600, 25, 50, 279.4, 100};

// Each page as its lines' texts and the y of its first line.
using Page = std::pair<std::vector<std::string>, int>;

std::vector<Page> pagesOf(const std::string& text, const PrinterPage& printer,
                          long double margin = 1.0L) {
    std::vector<Page> pages;
    for (const PrintedPage& page : layoutPages(text, margin, margin, printer)) {
        Page& shown = pages.emplace_back(std::vector<std::string>{}, page.front().y);
        for (const PrintedLine& line : page)
            shown.first.push_back(text.substr(line.start, line.length));
    }
    return pages;
}

std::string numberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += std::to_string(i) + "\r\n";
    return text;
}

TEST(PrintLayoutTest, LinesEndAtLineBreaksAndPagesAtFormFeeds) {
    EXPECT_TRUE(pagesOf("", kPortrait).empty());
    // x = 600 - 25, y = 600 - 50, each line 100 lower.
    const std::vector<PrintedPage> pages = layoutPages("ab\r\ncd\ref\ngh", 1.0L, 1.0L, kPortrait);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(
        pages[0],
        (PrintedPage{{0, 2, 575, 550}, {4, 2, 575, 650}, {7, 2, 575, 750}, {10, 2, 575, 850}}));
    EXPECT_EQ(pagesOf("a\fb", kPortrait), (std::vector<Page>{{{"a"}, 550}, {{"b"}, 550}}));
    // The form feed after a line break ends an empty line of its own; a text
    // ending in a form feed has no page after it.
    EXPECT_EQ(pagesOf("a\r\n\fb\f", kPortrait),
              (std::vector<Page>{{{"a", ""}, 550}, {{"b"}, 550}}));
}

TEST(PrintLayoutTest, APortraitPageHoldsNineInchesOfLinesALandscapePageSixAndAHalf) {
    // (10 - 1) x 600 / 100 = 54 lines; (7.5 - 1) x 600 / 100 = 39.
    EXPECT_EQ(linesPerPage(1.0L, kPortrait), 54);
    EXPECT_EQ(linesPerPage(1.0L, kLandscape), 39);
    const std::vector<Page> pages = pagesOf(numberedLines(55), kPortrait);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].first.back(), "54");
    EXPECT_EQ(pages[1], (Page{{"55"}, 550}));
    // A form feed right after a full page starts no empty page.
    EXPECT_EQ(pagesOf(numberedLines(53) + "54\f55", kPortrait).size(), 2u);
}

TEST(PrintLayoutTest, MarginsAreAtLeastAQuarterInchAndRoundHalfTowardZero) {
    const PrinterPage coarse{2, 2, 0, 0, 215.9, 1};
    // 0.1 inch becomes 0.25: 0.25 x 2 = 0.5 rounds to 0; 0.75 x 2 = 1.5 to 1.
    EXPECT_EQ(layoutPages("a", 0.1L, 0.75L, coarse).at(0).at(0), (PrintedLine{0, 1, 0, 1}));
    EXPECT_EQ(layoutPages("a", 0.8L, 0.8L, coarse).at(0).at(0), (PrintedLine{0, 1, 2, 2}));
    // (10 - 0.25) x 2 = 19.5 rounds to 19 lines.
    EXPECT_EQ(linesPerPage(0.0L, coarse), 19);
}

}  // namespace
}  // namespace lorvex
