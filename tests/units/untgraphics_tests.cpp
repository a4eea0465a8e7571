// The screen primitives every screen shares, checked on the headless picture.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Units/UNTGRAPHICS.h"
#include "platform/WinGraph.h"
#include "platform/headless.h"
#include "platform/palette.h"
#include "platform/runerror.h"

using namespace UNTGRAPHICS;

namespace {

// Remembers the caption the window was opened with.
struct CaptionBackend : HeadlessBackend {
    bool open(std::string_view caption, std::string& why) override {
        this->caption = caption;
        return HeadlessBackend::open(caption, why);
    }
    std::string caption;
};

class Screen : public ::testing::Test {
protected:
    void SetUp() override {
        SetBackend(&backend);
        GRHAALDRIVER();
    }
    void TearDown() override {
        CloseGraph();
        SetBackend(nullptr);
    }
    CaptionBackend backend;
};

bool Inside(int x, int y, int x1, int y1, int x2, int y2) {
    return x >= x1 && x <= x2 && y >= y1 && y <= y2;
}

void ExpectImage(const std::function<uint8_t(int, int)>& expected) {
    int wrong = 0;
    for (int y = 0; y < PaletteImage::kHeight; ++y) {
        for (int x = 0; x < PaletteImage::kWidth; ++x) {
            if (GraphImage().at(x, y) == expected(x, y)) continue;
            if (++wrong <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is "
                              << int(GraphImage().at(x, y)) << ", expected " << int(expected(x, y));
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(Screen, GrhaaldriverOpensTheWindowWithItsCaption) {
    EXPECT_TRUE(backend.isOpen());
    EXPECT_EQ(backend.caption, "Morvenbek data presentation");
    EXPECT_TRUE(GraphIsOpen());
}

TEST_F(Screen, GrschermClearsTheWholeWindowAndLeavesTheDrawingColour) {
    GRSCHERM(Red, Blue);
    SetViewPort(10, 10, 20, 20, true);  // a screen always starts on the whole window
    SetFillStyle(SolidFill, Red);
    GRSCHERM(Yellow, Black);
    ExpectImage([](int, int) { return 0; });
    EXPECT_EQ(GetColor(), Yellow);
    EXPECT_EQ(kPalette[GetColor()], (Rgb{252, 252, 84}));
    Bar(630, 470, 639, 479);  // the fill from before the screen, now anywhere
    ExpectImage([](int x, int y) { return Inside(x, y, 630, 470, 639, 479) ? 4 : 0; });
}

TEST_F(Screen, GretiketFramesInTheForegroundAndFillsInsideWithTheBackground) {
    GRSCHERM(Yellow, Black);
    GRETIKET(70, 80, 580, 370, Yellow, Blue);
    ExpectImage([](int x, int y) {
        if (Inside(x, y, 71, 81, 579, 369)) return 1;
        return Inside(x, y, 70, 80, 580, 370) ? 14 : 0;
    });
    EXPECT_EQ(GetColor(), Yellow);
    Bar(0, 0, 0, 0);  // the fill stays the box colour
    EXPECT_EQ(GraphImage().at(0, 0), 1);
}

TEST_F(Screen, GretiketFillStopsAtForegroundPixelsInsideTheBox) {
    GRSCHERM(Yellow, Black);
    Rectangle(200, 200, 220, 210);  // already on screen in the frame colour
    GRETIKET(70, 80, 580, 370, Yellow, Blue);
    EXPECT_EQ(GraphImage().at(210, 205), 0);  // enclosed by yellow: left black
    EXPECT_EQ(GraphImage().at(200, 200), 14);
    EXPECT_EQ(GraphImage().at(199, 200), 1);
}

TEST_F(Screen, GretiketInRedOverARedBoxChangesNothing) {
    GRSCHERM(Yellow, Black);
    GRETIKET(178, 452, 465, 476, Red, Red);
    GRKLEUR(Yellow);
    OutTextXY(180, 456, "Nederlands  English");
    Rectangle(274, 453, 371, 475);
    const PaletteImage before = GraphImage();
    GRETIKET(178, 452, 465, 476, Red, Red);
    EXPECT_EQ(GraphImage(), before);
    EXPECT_EQ(GetColor(), Red);
}

TEST_F(Screen, GretiketStartBeyondTheCoordinateRangeIsARangeError) {
    try {
        GRETIKET(32766, 0, 32767, 10, Yellow, Blue);
        ADD_FAILURE() << "no run-time error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.code, kErrorRange);
    }
}

TEST_F(Screen, GrkleurSetsTheDrawingAndTheFillColour) {
    GRSCHERM(Yellow, Black);
    GRKLEUR(Red);
    Line(0, 0, 9, 0);
    Bar(0, 5, 9, 6);
    ExpectImage([](int x, int y) { return x <= 9 && (y == 0 || y == 5 || y == 6) ? 4 : 0; });
}

}  // namespace
