// The generated glyph table: cell sizes, where the glyphs sit in their cells, which bytes draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/WinGraph.h"
#include "platform/font.h"
#include "platform/headless.h"
#include "tests/support/headless_window.h"
#include "tests/support/files.h"

namespace {

using testing_support::ReadFile;
using testing_support::ScopedWorkDir;

// First and last row of the cell with ink; {-1, -1} for an empty cell.
std::pair<int, int> InkRows(const GlyphCell& cell) {
    int first = -1, last = -1;
    for (int r = 0; r < cell.height; ++r) {
        if (!cell.rows[r]) continue;
        if (first < 0) first = r;
        last = r;
    }
    return {first, last};
}

bool HasInk(const GlyphCell& cell) { return InkRows(cell).first >= 0; }

const std::string kCapitalsAndDigits = "ABCDEFGHIJKLMNOPRSTUVWXYZ0123456789";  // Q below

TEST(Font, CellsAreFourBySizeWideAndEightBySizeHigh) {
    for (int size = 1; size <= 5; ++size) {
        EXPECT_EQ(Glyph(size, 'A').width, 4 * size);
        EXPECT_EQ(Glyph(size, 'A').height, 8 * size);
    }
    EXPECT_EQ(Glyph(0, 'A').height, 8);  // sizes out of range take the nearest
    EXPECT_EQ(Glyph(9, 'A').height, 40);
}

// The command bar's labels at y 469 show only rows 0 to 10 of their cells at size 2.
TEST(Font, CapitalsAndDigitsSitOnTheBaselineWithTheirWholeBodyInRowsZeroToTen) {
    for (const char ch : kCapitalsAndDigits) {
        SCOPED_TRACE(ch);
        const auto [first, last] = InkRows(Glyph(2, uint8_t(ch)));
        EXPECT_GE(first, 1);
        EXPECT_EQ(last, 10);
        EXPECT_EQ(InkRows(Glyph(4, uint8_t(ch))).second, 21);
    }
    // Only the tail of Q reaches below the baseline.
    const GlyphCell q = Glyph(2, 'Q'), o = Glyph(2, 'O');
    EXPECT_GT(InkRows(q).second, 10);
    EXPECT_EQ(InkRows(q).first, InkRows(o).first);
}

TEST(Font, DescendersReachBelowTheBaseline) {
    for (const char ch : std::string("gjpqy")) {
        SCOPED_TRACE(ch);
        const int last = InkRows(Glyph(2, uint8_t(ch))).second;
        EXPECT_GE(last, 12);
        EXPECT_LE(last, 15);
        EXPECT_GE(InkRows(Glyph(4, uint8_t(ch))).second, 24);
    }
}

TEST(Font, AccentedLettersAndTheSingleAngleQuoteHaveInk) {
    for (const uint8_t ch : {0xFC, 0xF6, 0xE4, 0xC4, 0xD6, 0xDC, 0xDF, 0xE9, 0x8B, 0x80}) {
        for (int size = 1; size <= 5; ++size)
            EXPECT_TRUE(HasInk(Glyph(size, ch))) << int(ch) << " size " << size;
    }
    // The dots of u-umlaut sit above the body of u.
    EXPECT_LT(InkRows(Glyph(2, 0xFC)).first, InkRows(Glyph(2, 'u')).first);
}

TEST(Font, ControlBlankAndUndefinedBytesHaveNoInk) {
    std::string empty = {' ',        char(0x7F), char(0x81), char(0x8D),
                         char(0x8F), char(0x90), char(0x9D), char(0xA0)};
    for (int ch = 0; ch < 32; ++ch) empty += char(ch);
    for (const char ch : empty) {
        for (int size = 1; size <= 5; ++size)
            EXPECT_FALSE(HasInk(Glyph(size, uint8_t(ch)))) << int(uint8_t(ch));
    }
    for (int ch = 0x21; ch < 0x100; ++ch) {
        if (empty.find(char(ch)) == std::string::npos) {
            EXPECT_TRUE(HasInk(Glyph(2, uint8_t(ch)))) << ch;
        }
    }
}

class FontOnScreen : public testing_support::HeadlessWindowTest {};

TEST_F(FontOnScreen, NoGlyphSetsAPixelOutsideItsCell) {
    const PaletteImage& image = GraphImage();
    for (uint16_t size = 1; size <= 5; ++size) {
        SetTextStyle(0, 0, size);
        const int x = 300, y = 200, w = 4 * size, h = 8 * size;
        for (int ch = 0; ch < 256; ++ch) {
            SetBkColor(Blue);
            ClearViewPort();
            SetColor(Yellow);
            OutTextXY(x, y, std::string(1, char(ch)));
            long inCell = 0;
            for (int r = y; r < y + h; ++r)
                inCell += std::count(image.data() + r * PaletteImage::kWidth + x,
                                     image.data() + r * PaletteImage::kWidth + x + w, 14);
            const long all = std::count(
                image.data(), image.data() + PaletteImage::kWidth * PaletteImage::kHeight, 14);
            EXPECT_EQ(all, inCell) << "byte " << ch << " size " << size;
        }
    }
}

TEST_F(FontOnScreen, BytesWithoutAGlyphStillTakeTheirCell) {
    OutTextXY(100, 100, "A\x81" "B");
    const PaletteImage withGap = GraphImage();
    SetBkColor(Black);
    ClearViewPort();
    OutTextXY(100, 100, "A");
    OutTextXY(116, 100, "B");
    EXPECT_EQ(GraphImage(), withGap);
}

// The table is generated at build time; generating it again gives the same bytes.
TEST(FontGenerator, OutputIsDeterministic) {
    ScopedWorkDir dir;
    const std::string command = std::string(DRELMIKS_BUILD_DIR) + "/fontgen again.cpp";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadFile("again.cpp"),
              ReadFile(std::string(DRELMIKS_BUILD_DIR) + "/platform/glyphs.cpp"));
}

}  // namespace
