// The graphics unit drawing into its palette image, checked pixel by pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "platform/WinGraph.h"
#include "platform/font.h"
#include "platform/headless.h"
#include "tests/support/headless_window.h"

namespace {

constexpr int kW = PaletteImage::kWidth;
constexpr int kH = PaletteImage::kHeight;

class Graph : public testing_support::HeadlessWindowTest {};

// Every pixel of the window is expected(x, y); reports the first few that are not.
void ExpectImage(const std::function<uint8_t(int, int)>& expected) {
    int wrong = 0;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            if (GraphImage().at(x, y) == expected(x, y)) continue;
            if (++wrong <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is "
                              << int(GraphImage().at(x, y)) << ", expected " << int(expected(x, y));
        }
    }
    EXPECT_EQ(wrong, 0);
}

bool Inside(int x, int y, int x1, int y1, int x2, int y2) {
    return x >= x1 && x <= x2 && y >= y1 && y <= y2;
}

// The box (inclusive) around every pixel that differs from `entry`; empty (x1 > x2) if none.
struct Extent {
    int x1 = kW, y1 = kH, x2 = -1, y2 = -1;
};
Extent ExtentNot(uint8_t entry) {
    Extent e;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            if (GraphImage().at(x, y) == entry) continue;
            e = {std::min(e.x1, x), std::min(e.y1, y), std::max(e.x2, x), std::max(e.y2, y)};
        }
    }
    return e;
}

void FillWindow(uint32_t colour) {
    SetBkColor(colour);
    ClearViewPort();
}

TEST(GraphOpen, NamedColoursTakeTheirPaletteEntriesWhenTheWindowOpens) {
    HeadlessBackend backend;
    SetBackend(&backend);
    int16_t driver = 2, mode = 4;
    InitGraph(driver, mode, "colours");
    const uint32_t named[16] = {Black,    Blue,         Green,    Cyan,      Red,        Magenta,
                                Brown,    LightGray,    DarkGray, LightBlue, LightGreen, LightCyan,
                                LightRed, LightMagenta, Yellow,   White};
    for (uint32_t entry = 0; entry < 16; ++entry) EXPECT_EQ(named[entry], entry);
    CloseGraph();
    SetBackend(nullptr);
}

TEST(GraphOpen, OpensTheBackendOnlyForTheSixteenColourMode) {
    HeadlessBackend backend;
    SetBackend(&backend);
    int16_t driver = 9, mode = 2;
    InitGraph(driver, mode, "refused");
    EXPECT_FALSE(backend.wasOpened());
    EXPECT_FALSE(GraphIsOpen());
    driver = 2;
    mode = 4;
    InitGraph(driver, mode, "accepted");
    EXPECT_TRUE(backend.isOpen());
    EXPECT_TRUE(GraphIsOpen());
    CloseGraph();
    CloseGraph();
    EXPECT_FALSE(backend.isOpen());
    EXPECT_FALSE(GraphIsOpen());
    SetBackend(nullptr);
}

TEST(GraphOpen, ThrowsNoWindowErrorWithTheBackendsReason) {
    struct NoDisplay : HeadlessBackend {
        bool open(std::string_view, std::string& why) override {
            why = "no display";
            return false;
        }
    } backend;
    SetBackend(&backend);
    int16_t driver = 2, mode = 4;
    try {
        InitGraph(driver, mode, "x");
        ADD_FAILURE() << "InitGraph did not throw";
    } catch (const NoWindowError& error) {
        EXPECT_STREQ(error.what(), "no display");
    }
    EXPECT_FALSE(GraphIsOpen());
    SetBackend(nullptr);
}

// The text size at opening is checked by TextSetsExactlyTheGlyphPixelsOfEachCell.
TEST_F(Graph, OpensBlackWithWhiteSolidDrawing) {
    EXPECT_EQ(GetMaxX(), 639);
    EXPECT_EQ(GetMaxY(), 479);
    EXPECT_EQ(GetColor(), White);
    ExpectImage([](int, int) { return 0; });
    Bar(0, 0, 1, 0);
    Line(0, 1, 3, 1);
    ExpectImage(
        [](int x, int y) { return Inside(x, y, 0, 0, 1, 0) || Inside(x, y, 0, 1, 3, 1) ? 15 : 0; });
}

TEST_F(Graph, InitGraphClearsThePictureAndResetsTheState) {
    SetColor(Red);
    SetFillStyle(SolidFill, Blue);
    SetLineStyle(DottedLn, 0, 1);
    SetViewPort(10, 10, 20, 20, true);
    Bar(0, 0, 5, 5);
    int16_t driver = 2, mode = 4;
    InitGraph(driver, mode, "again");
    EXPECT_EQ(GetColor(), White);
    ExpectImage([](int, int) { return 0; });
    Bar(630, 470, 639, 479);  // whole-window viewport, white fill
    Line(0, 0, 3, 0);         // solid again
    ExpectImage([](int x, int y) {
        return Inside(x, y, 630, 470, 639, 479) || Inside(x, y, 0, 0, 3, 0) ? 15 : 0;
    });
}

TEST_F(Graph, GenerationChangesWithEveryDrawingCall) {
    const std::function<void()> calls[] = {
        [] { ClearViewPort(); },  [] { Rectangle(1, 1, 5, 5); },
        [] { Bar(1, 1, 5, 5); },  [] { FloodFill(100, 100, Red); },
        [] { Line(0, 0, 9, 9); }, [] { OutTextXY(0, 0, "A"); },
    };
    for (const auto& call : calls) {
        const uint64_t before = GraphGeneration();
        call();
        EXPECT_NE(GraphGeneration(), before);
    }
}

struct RectCase {
    int16_t x1, y1, x2, y2;
    std::function<bool(int, int)> drawn;
};

TEST_F(Graph, RectangleDrawsItsFourEdgesCornersIncluded) {
    const RectCase cases[] = {
        {10, 20, 30, 40,
         [](int x, int y) {
             return Inside(x, y, 10, 20, 30, 40) && !Inside(x, y, 11, 21, 29, 39);
         }},
        {100, 200, 100, 200, [](int x, int y) { return x == 100 && y == 200; }},
        {5, 7, 5, 9, [](int x, int y) { return x == 5 && y >= 7 && y <= 9; }},
        {31, 20, 30, 40, [](int, int) { return false; }},
        {10, 41, 30, 40, [](int, int) { return false; }},
    };
    for (const RectCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << "," << c.x2 << "," << c.y2);
        FillWindow(Black);
        SetColor(Yellow);
        Rectangle(c.x1, c.y1, c.x2, c.y2);
        ExpectImage([&](int x, int y) { return c.drawn(x, y) ? 14 : 0; });
    }
}

TEST_F(Graph, BarFillsInclusiveWithTheFillColourAndNothingWhenReversed) {
    SetColor(Yellow);
    SetFillStyle(SolidFill, Red);
    Bar(10, 20, 12, 25);
    Bar(50, 50, 49, 60);
    Bar(50, 50, 60, 49);
    ExpectImage([](int x, int y) { return Inside(x, y, 10, 20, 12, 25) ? 4 : 0; });
}

TEST_F(Graph, LineSetsBothEndsInAnyDirection) {
    const int16_t lines[][4] = {
        {3, 5, 9, 5}, {9, 5, 3, 5}, {7, 1, 7, 8}, {0, 0, 4, 4}, {20, 10, 10, 15}};
    for (const auto& l : lines) {
        FillWindow(Black);
        SetColor(Red);
        Line(l[0], l[1], l[2], l[3]);
        EXPECT_EQ(GraphImage().at(l[0], l[1]), 4);
        EXPECT_EQ(GraphImage().at(l[2], l[3]), 4);
    }
    FillWindow(Black);
    Line(0, 0, 4, 4);
    ExpectImage([](int x, int y) { return x == y && x <= 4 ? 4 : 0; });
    FillWindow(Black);
    Line(20, 10, 10, 15);  // one pixel per column on a shallow line
    for (int x = 10; x <= 20; ++x) {
        int set = 0;
        for (int y = 0; y < 30; ++y) set += GraphImage().at(x, y) == 4;
        EXPECT_EQ(set, 1) << "column " << x;
    }
}

TEST_F(Graph, DottedLineSetsTwoSkipsTwoLeavesGapsAndSetsItsEndPoint) {
    FillWindow(Blue);
    SetColor(Yellow);
    SetLineStyle(DottedLn, 0, 1);
    Line(10, 10, 20, 10);  // pixel 10 (x = 20) falls in a gap but is the end point
    Line(30, 5, 30, 12);
    ExpectImage([](int x, int y) {
        if (y == 10 && x >= 10 && x <= 20) return (x - 10) % 4 < 2 || x == 20 ? 14 : 1;
        if (x == 30 && y >= 5 && y <= 12) return (y - 5) % 4 < 2 || y == 12 ? 14 : 1;
        return 1;
    });
    SetLineStyle(SolidLn, 0, 1);
    Line(10, 10, 20, 10);
    for (int x = 10; x <= 20; ++x) EXPECT_EQ(GraphImage().at(x, 10), 14);
}

TEST_F(Graph, FloodFillCoversTheWholeWindowWhenNoBorderIsInTheWay) {
    SetFillStyle(SolidFill, Blue);
    FloodFill(320, 240, Yellow);
    ExpectImage([](int, int) { return 1; });
}

TEST_F(Graph, FloodFillStopsAtBorderPixelsAndCrossesOtherColours) {
    SetColor(Yellow);
    Rectangle(100, 100, 200, 150);
    Rectangle(120, 110, 130, 120);  // an island in the border colour: its inside stays
    SetColor(Blue);
    Line(150, 101, 150, 149);  // already the fill colour: not a border
    SetColor(Red);
    Line(160, 101, 160, 149);  // another colour: filled over
    SetFillStyle(SolidFill, Blue);
    FloodFill(102, 102, Yellow);
    ExpectImage([](int x, int y) {
        if (Inside(x, y, 100, 100, 200, 150) && !Inside(x, y, 101, 101, 199, 149)) return 14;
        if (Inside(x, y, 120, 110, 130, 120) && !Inside(x, y, 121, 111, 129, 119)) return 14;
        if (Inside(x, y, 121, 111, 129, 119)) return 0;
        return Inside(x, y, 101, 101, 199, 149) ? 1 : 0;
    });
}

TEST_F(Graph, FloodFillFromABorderPixelFillsNothing) {
    SetColor(Yellow);
    Rectangle(10, 10, 20, 20);
    SetFillStyle(SolidFill, Blue);
    FloodFill(10, 15, Yellow);
    ExpectImage([](int x, int y) {
        return Inside(x, y, 10, 10, 20, 20) && !Inside(x, y, 11, 11, 19, 19) ? 14 : 0;
    });
}

TEST_F(Graph, ViewportMovesTheOriginAndClipsEveryOperation) {
    SetViewPort(100, 50, 199, 99, true);
    SetFillStyle(SolidFill, Blue);
    SetColor(Yellow);
    Bar(-20, -20, 30, 10);
    Line(-50, 20, 500, 20);
    Rectangle(90, 40, 200, 200);
    OutTextXY(96, 30, "WW");
    FloodFill(50, 30, Yellow);  // below the line: fills up to the viewport's edges
    const Extent e = ExtentNot(0);
    EXPECT_EQ(e.x1, 100);
    EXPECT_EQ(e.y1, 50);
    EXPECT_EQ(e.x2, 199);
    EXPECT_EQ(e.y2, 99);
    EXPECT_EQ(GraphImage().at(100, 50), 1);  // the bar from the viewport's origin
    EXPECT_EQ(GraphImage().at(130, 60), 1);
    EXPECT_EQ(GraphImage().at(131, 60), 0);
    EXPECT_EQ(GraphImage().at(150, 70), 14);  // the line at relative y 20
    EXPECT_EQ(GraphImage().at(190, 90), 14);  // the rectangle's corner
    EXPECT_EQ(GraphImage().at(150, 99), 1);   // flood-filled
    EXPECT_EQ(GraphImage().at(199, 99), 0);   // inside the rectangle: not reached
}

TEST_F(Graph, ViewportWithoutClipDrawsOutsideIt) {
    SetViewPort(100, 50, 199, 99, false);
    SetColor(Yellow);
    Line(-10, 0, 150, 0);
    ExpectImage([](int x, int y) { return y == 50 && x >= 90 && x <= 250 ? 14 : 0; });
}

TEST_F(Graph, ClearViewPortFillsOnlyTheViewportAndKeepsTheFill) {
    SetFillStyle(SolidFill, Red);
    SetViewPort(10, 20, 29, 39, true);
    SetBkColor(Blue);
    ClearViewPort();
    ExpectImage([](int x, int y) { return Inside(x, y, 10, 20, 29, 39) ? 1 : 0; });
    Bar(0, 0, 0, 0);
    EXPECT_EQ(GraphImage().at(10, 20), 4);
}

TEST_F(Graph, ReversedViewportChangesNothing) {
    SetViewPort(10, 10, 5, 20, true);
    SetViewPort(10, 10, 20, 5, true);
    Rectangle(0, 0, 0, 0);
    ExpectImage([](int x, int y) { return x == 0 && y == 0 ? 15 : 0; });
}

// Text: glyph cells, transparency and erase-by-redraw.

TEST_F(Graph, TextSetsExactlyTheGlyphPixelsOfEachCell) {
    FillWindow(Blue);
    SetColor(Yellow);
    OutTextXY(40, 30, "Ag\xfc");
    const std::string text = "Ag\xfc";
    ExpectImage([&](int x, int y) {
        const int i = (x - 40) / 8;
        if (x < 40 || i >= 3 || y < 30 || y >= 46) return 1;
        const GlyphCell cell = Glyph(2, uint8_t(text[i]));
        return (cell.rows[y - 30] >> (31 - (x - 40 - 8 * i))) & 1 ? 14 : 1;
    });
}

TEST_F(Graph, TextLinesStayInTheirCellRows) {
    struct Case {
        uint16_t size;
        int16_t x, y;
    };
    const std::string text = "Gg|\xc4(yj_Q\x8b";
    for (const Case c : {Case{2, 96, 104}, Case{4, 90, 10}}) {
        SCOPED_TRACE(c.size);
        FillWindow(Black);
        SetTextStyle(0, 0, c.size);
        OutTextXY(c.x, c.y, text);
        const Extent e = ExtentNot(0);
        ASSERT_LE(e.x1, e.x2) << "nothing drawn";
        EXPECT_GE(e.y2, c.y + 6 * c.size);  // the descenders reach the cell's lowest quarter
        EXPECT_GE(e.y1, c.y);
        EXPECT_LE(e.y2, c.y + 8 * c.size - 1);
        EXPECT_GE(e.x1, c.x);
        EXPECT_LE(e.x2, c.x + 4 * c.size * int(text.size()) - 1);
    }
}

TEST_F(Graph, TextDrawnAgainIsIdenticalAndRedrawnInTheBackgroundIsErased) {
    const char* const kLabel = "-1j -3m UIT COR \xfc" "ber";
    for (uint16_t size : {2, 4}) {
        FillWindow(Blue);
        SetColor(Red);
        Rectangle(80, 100, 300, 130);  // something under the text that must survive
        const PaletteImage before = GraphImage();
        SetTextStyle(0, 0, size);
        SetColor(Yellow);
        OutTextXY(90, 105, kLabel);
        const PaletteImage once = GraphImage();
        EXPECT_NE(once, before);
        OutTextXY(90, 105, kLabel);
        EXPECT_EQ(GraphImage(), once);
        SetColor(Blue);
        OutTextXY(90, 105, kLabel);
        SetColor(Red);
        Rectangle(80, 100, 300, 130);
        EXPECT_EQ(GraphImage(), before);
    }
}

TEST_F(Graph, TextIsClippedToTheViewport) {
    OutTextXY(96, 100, "MMMM");
    const PaletteImage whole = GraphImage();
    FillWindow(Black);
    SetViewPort(0, 0, 103, 109, true);
    OutTextXY(96, 100, "MMMM");
    ExpectImage([&](int x, int y) { return x <= 103 && y <= 109 ? whole.at(x, y) : 0; });
    EXPECT_NE(ExtentNot(0).x2, -1);
}

TEST_F(Graph, ArgumentsAtTheEndsOfTheirRangeDrawOnlyInsideTheWindow) {
    SetFillStyle(SolidFill, Red);
    Bar(-32768, -32768, 32767, 32767);
    ExpectImage([](int, int) { return 4; });
    SetColor(Yellow);
    Line(-32768, -32768, 32767, 32767);
    Rectangle(-32768, -32768, 32767, 32767);
    OutTextXY(32760, 32760, "A");
    OutTextXY(-32768, 0, "A");
    for (int i = 0; i < kH; ++i) EXPECT_EQ(GraphImage().at(i, i), 14);
}

}  // namespace
