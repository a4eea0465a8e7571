// The language and introduction screen: what it shows and how a change of language redraws it.
#include <gtest/gtest.h>

#include <string>

#include "language_screen.h"
#include "platform/WinGraph.h"
#include "platform/font.h"
#include "tests/support/image_compare.h"
#include "viewer/DRELMIKS.h"
#include "viewer/DRELMIKS_texts.h"

namespace shell_tests {
namespace {

using testing_support::ImagesMatch;
using namespace keys;

struct CellRect {
    int x1, y1, x2, y2;
};

// The character cells of every non-blank character of the screen's texts in `language`.
std::vector<CellRect> InkCells(int16_t language) {
    std::vector<CellRect> cells;
    for (const PlacedText& placed : ScreenTexts(language)) {
        const int width = 4 * placed.size;
        const int height = 8 * placed.size;
        for (std::size_t i = 0; i < placed.text.size(); ++i)
            if (placed.text[i] != ' ')
                cells.push_back({placed.x + int(i) * width, placed.y,
                                 placed.x + int(i) * width + width - 1, placed.y + height - 1});
    }
    return cells;
}

TEST(LanguageScreen, FirstScreenDrawsItsTextsOnlyInsideTheirCharacterCells) {
    const LanguageScreenRun run = RunLanguageScreen({Enter});
    ASSERT_EQ(run.waits.size(), 1u);
    const PaletteImage& screen = run.waits[0];
    const PaletteImage background = ScreenBackground(1);
    const std::vector<CellRect> cells = InkCells(1);

    std::vector<bool> inCell(PaletteImage::kWidth * PaletteImage::kHeight, false);
    for (const CellRect& cell : cells)
        for (int y = cell.y1; y <= cell.y2; ++y)
            for (int x = cell.x1; x <= cell.x2; ++x) inCell[y * PaletteImage::kWidth + x] = true;

    int strayPixels = 0;
    for (int y = 0; y < PaletteImage::kHeight; ++y)
        for (int x = 0; x < PaletteImage::kWidth; ++x) {
            const uint8_t pixel = screen.at(x, y);
            const bool allowed = pixel == background.at(x, y) ||
                                 (inCell[y * PaletteImage::kWidth + x] && pixel == kYellow);
            if (!allowed && ++strayPixels <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << int(pixel);
        }
    EXPECT_EQ(strayPixels, 0);

    // Every non-blank character leaves some ink in its cell.
    for (const CellRect& cell : cells) {
        bool inked = false;
        for (int y = cell.y1; y <= cell.y2; ++y)
            for (int x = cell.x1; x <= cell.x2; ++x)
                inked = inked || (screen.at(x, y) == kYellow && background.at(x, y) != kYellow);
        EXPECT_TRUE(inked) << "no ink in the cell at (" << cell.x1 << ", " << cell.y1 << ")";
    }
}

TEST(LanguageScreen, FirstScreenFramesAndBarsAreExact) {
    const PaletteImage screen = RunLanguageScreen({Enter}).waits.at(0);
    // The box: yellow frame on its edges, blue just inside them, black just outside.
    EXPECT_EQ(screen.at(70, 80), kYellow);
    EXPECT_EQ(screen.at(580, 370), kYellow);
    EXPECT_EQ(screen.at(70, 200), kYellow);
    EXPECT_EQ(screen.at(300, 370), kYellow);
    EXPECT_EQ(screen.at(71, 81), kBlue);
    EXPECT_EQ(screen.at(579, 369), kBlue);
    EXPECT_EQ(screen.at(69, 80), kBlack);
    EXPECT_EQ(screen.at(581, 370), kBlack);
    EXPECT_EQ(screen.at(300, 371), kBlack);
    // The bar: red frame and inside, the highlight on cell 1 (x 178 to 273) only.
    EXPECT_EQ(screen.at(178, 452), kYellow);
    EXPECT_EQ(screen.at(273, 476), kYellow);
    EXPECT_EQ(screen.at(273, 464), kYellow);
    EXPECT_EQ(screen.at(274, 452), kRed);
    EXPECT_EQ(screen.at(465, 476), kRed);
    EXPECT_EQ(screen.at(179, 453), kRed);
    EXPECT_EQ(screen.at(177, 452), kBlack);
    EXPECT_EQ(screen.at(466, 476), kBlack);
    EXPECT_EQ(screen.at(465, 477), kBlack);
}

TEST(LanguageScreen, EveryCharacterCellShowsItsGlyph) {
    const LanguageScreenRun run = RunLanguageScreen({Right, Right, Enter});
    ASSERT_EQ(run.waits.size(), 3u);
    for (int16_t language = 1; language <= 3; ++language)
        EXPECT_TRUE(ImagesMatch("language-screen-" + std::to_string(language),
                                run.waits[language - 1], ExpectedScreen(language, language)));
}

TEST(LanguageScreen, KeysTypedBeforeTheScreenAppearsHaveNoEffect) {
    const LanguageScreenRun run = RunLanguageScreen({Enter}, {Right, Right});
    EXPECT_EQ(DRELMIKS::TAAL, 1);
    EXPECT_TRUE(ImagesMatch("language-typed-ahead", run.waits.at(0), ExpectedScreen(1, 1)));
}

TEST(LanguageScreen, ThreeRightArrowsBringBackTheFirstScreenPixelForPixel) {
    const LanguageScreenRun run = RunLanguageScreen({Right, Right, Right, Enter});
    ASSERT_EQ(run.waits.size(), 4u);
    EXPECT_TRUE(ImagesMatch("language-round-trip", run.waits[3], run.waits[0]));
}

TEST(LanguageScreen, EnglishLooksTheSameWhicheverWayItIsReached) {
    const LanguageScreenRun byRight = RunLanguageScreen({Right, Enter});
    const LanguageScreenRun byLeft = RunLanguageScreen({Left, Left, Enter});
    EXPECT_TRUE(ImagesMatch("language-english-by-left", byLeft.final, byRight.final));
    EXPECT_TRUE(ImagesMatch("language-english", byRight.final, ExpectedScreen(2, 2)));
}

TEST(LanguageScreen, TheBarShowsExactlyOneHighlightAfterEveryStep) {
    const LanguageScreenRun run = RunLanguageScreen({Right, Down, Up, Left, Left, Escape});
    const int16_t expectedCell[] = {1, 2, 3, 2, 1, 3};
    ASSERT_EQ(run.waits.size(), 6u);
    for (std::size_t wait = 0; wait < run.waits.size(); ++wait)
        for (int16_t cell = 1; cell <= 3; ++cell) {
            const PaletteImage& screen = run.waits[wait];
            const int x1 = 96 * (cell - 1) + 178, x2 = 96 * cell + 177;
            const uint8_t want = cell == expectedCell[wait] ? kYellow : kRed;
            int wrong = 0;
            for (int x = x1; x <= x2; ++x)
                wrong += (screen.at(x, 452) != want) + (screen.at(x, 476) != want);
            for (int y = 452; y <= 476; ++y)
                wrong += (screen.at(x1, y) != want) + (screen.at(x2, y) != want);
            EXPECT_EQ(wrong, 0) << "wait " << wait << ", cell " << cell;
        }
}

TEST(LanguageScreen, LeavesTextSizeTwoAndYellowForLinesTextsAndFills) {
    // The viewer draws on in the state the screen leaves.
    const LanguageScreenRun run = RunLanguageScreen({Enter}, {}, [] {
        OutTextXY(0, 0, "A");
        Bar(600, 0, 609, 9);
        Line(0, 30, 15, 30);
    });
    const GlyphCell glyph = Glyph(2, 'A');
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(run.final.at(x, y), (glyph.rows[y] >> (31 - x)) & 1 ? kYellow : kBlack)
                << "(" << x << ", " << y << ")";
    EXPECT_EQ(run.final.at(8, 0), kBlack);
    EXPECT_EQ(run.final.at(0, 16), kBlack);
    EXPECT_EQ(run.final.at(600, 0), kYellow);
    EXPECT_EQ(run.final.at(609, 9), kYellow);
    for (int x = 0; x <= 15; ++x) EXPECT_EQ(run.final.at(x, 30), kYellow) << "line at x " << x;
}

}  // namespace
}  // namespace shell_tests
