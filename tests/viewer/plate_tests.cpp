// The water-balance plate, drawn from crafted records and checked pixel by pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "Units/UNTGRAPHICS.h"
#include "platform/WinGraph.h"
#include "platform/keys.h"
#include "tests/support/image_compare.h"
#include "viewer/GEEFLYSIM.h"
#include "viewer/UNTVOCH0.h"
#include "viewer_fixture.h"

namespace viewer_tests {
namespace {

using UNTVOCH1::MAAKPLAAT;

class Plate : public ViewerTest {};

TEST_F(Plate, TheFrameHasItsAxesTicksLabelsAndCaptionsInPlace) {
    Open(Days(100));  // blank days: bars of height 0 on the base lines and nothing else
    MAAKPLAAT(v_);
    const PaletteImage plate = Image();

    // The same frame, drawn from its coordinates.
    UNTGRAPHICS::GRSCHERM(Yellow, Blue);
    SetLineStyle(SolidLn, 0, 1);
    OutTextXY(0, 0, "LYSIMETER-1");
    OutTextXY(120, 0, "TUBE-A");
    for (int y : {95, 105, 385, 445}) Line(40, y, 600, y);
    const char* const tens[] = {"  0", " 10", " 20", " 30", " 40"};
    for (int i = 0; i < 5; ++i) {
        Line(32, 95 - 15 * i, 39, 95 - 15 * i);
        OutTextXY(0, 92 - 15 * i, tens[i]);
        Line(32, 385 + 15 * i, 39, 385 + 15 * i);
        OutTextXY(0, 382 + 15 * i, tens[i]);
    }
    const char* const fives[] = {"  0", "  5", " 10", " 15", " 20", " 25"};
    for (int i = 0; i < 6; ++i) {
        Line(592, 445 - 12 * i, 600, 445 - 12 * i);
        OutTextXY(600, 442 - 12 * i, fives[i]);
    }
    OutTextXY(0, 18, "(mm) precipitation");
    OutTextXY(0, 131, "surface");
    OutTextXY(0, 356, "gutter");
    OutTextXY(0, 453, "(mm) drain");
    OutTextXY(448, 453, " free bottom water (cm)");
    EXPECT_TRUE(testing_support::ImagesMatch("plate-frame", plate, Image()));
}

TEST_F(Plate, AHandWrittenRecordIsCutAtItsFixedPositionsAndItsUnreadCharactersDoNothing) {
    // Lysimeter 2 selected. Positions 1-7, 14, 26, 31, 36 and 41 and the other lysimeters'
    // fields hold digits that would show if a field were cut one character wider or shifted.
    const std::string written = std::string("1234567") + "MRT." + "01" + "9" + "ZO" + "  12" + "6" +
                                "9999" + "9" + " 700" + "9" + "9999" + "9" + "9999" + "9" +  //
                                "9999" + "9" + " 151" + "X" + "9999" + "9" + "9999" + "9" +  //
                                "   10" + "    x" + "   10" + "   10";
    ASSERT_EQ(written.size(), 81u);
    auto days = Days(200);
    days[192].month("MRT.").day(1).weekday("ZO").rain(12).code('6').drain(2, 700).level(2, 151).flag(2, 'X')
        .pointer(2, "x");
    std::string file = Concatenate(days);
    file.replace(92 * 81, 81, written);
    OpenBytes(file, std::vector<ProfileRecord>(20));
    UNTVOCH0::LYSIM = 2;
    UNTVOCH0::RECNR = 100;  // the same day built field by field ends this window
    MAAKPLAAT(v_);
    const PaletteImage fromBuilt = Image();
    UNTVOCH0::RECNR = 0;  // the hand-written day ends this one
    SetLineStyle(SolidLn, 0, 1);  // as the command bar leaves it between plates
    MAAKPLAAT(v_);

    // The last day drawn leaves its decoded values behind.
    EXPECT_EQ(v_.RCAS, 12);
    EXPECT_EQ(v_.DRAIN, 700);
    EXPECT_TRUE(v_.PEILDAG) << "any flag but 9 means observed";
    EXPECT_EQ(v_.PEILB, 26);
    EXPECT_EQ(v_.YRC, 93);
    EXPECT_EQ(v_.YDR, 396);
    EXPECT_EQ(v_.YPB, 379);
    EXPECT_EQ(UNTVOCH0::RECNRV, 0) << "a lone non-blank character: a profile, from record 0";
    EXPECT_TRUE(testing_support::ImagesMatch("hand-written-record", Image(), fromBuilt));
}

TEST_F(Plate, ALevelFlagOtherThanNineMakesTheLevelCountEvenWhenTheLevelIsBlank) {
    auto days = Days(93);
    days[10].level(1, 150).flag(1, 'A');
    days[92].flag(1, ' ');  // level field blank: 0, that is -125 cm
    Open(days);
    MAAKPLAAT(v_);
    EXPECT_EQ(TextMismatch(Image(), DayX(10), 381, "o", kYellow, kBlue, {385}), "");
    EXPECT_TRUE(v_.PEILDAG);
    EXPECT_EQ(v_.PEILB, -125);
    EXPECT_EQ(v_.YPB, 381 + 360) << "below the window: nothing shows";
    EXPECT_EQ(CountPixels(Image(), DayX(92), 106, DayX(92) + 7, 384, kYellow), 0);
}

TEST_F(Plate, PrecipitationBarsRiseFromTheBaseLineByHalfEvenRounding) {
    struct Case {
        int tenths;
        int top;  // y of the bar's top row
    };
    // 10 x 0.15 = 1.5 and 30 x 0.15 = 4.5 and 70 x 0.15 = 10.5 are exact halves; 190 x 0.15
    // lies just above 28.5.
    const Case cases[] = {{0, 95}, {10, 93}, {30, 91}, {70, 85}, {190, 66}, {400, 35}};
    auto days = Days(93);
    for (int i = 0; i < 6; ++i) days[10 + 2 * i].rain(cases[i].tenths);
    Open(days);
    MAAKPLAAT(v_);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(cases[i].tenths);
        const int x = DayX(10 + 2 * i), top = cases[i].top;
        EXPECT_EQ(CountPixels(Image(), x + 1, top, x + 5, 95, kYellow), 5 * (96 - top));
        EXPECT_EQ(CountPixels(Image(), x + 1, 34, x + 5, top - 1, kYellow), 0);
        EXPECT_EQ(CountPixels(Image(), x, 34, x, 94, kYellow), 0) << "the first column stays free";
    }
}

TEST_F(Plate, DrainBarsHangFromTheContainerBottomAtOnePointFivePixelsPerMillimetre) {
    struct Case {
        int hundredths;
        int bottom;
    };
    const Case cases[] = {{0, 385}, {700, 396}, {900, 399}, {2667, 425}};
    auto days = Days(93);
    for (int i = 0; i < 4; ++i) days[10 + 2 * i].drain(1, cases[i].hundredths);
    Open(days);
    MAAKPLAAT(v_);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(cases[i].hundredths);
        const int x = DayX(10 + 2 * i), bottom = cases[i].bottom;
        EXPECT_EQ(CountPixels(Image(), x + 1, 385, x + 5, bottom, kYellow), 5 * (bottom - 384));
        EXPECT_EQ(CountPixels(Image(), x + 1, bottom + 1, x + 5, 444, kYellow), 0);
    }
}

TEST_F(Plate, NegativePrecipitationOrDrainDrawsNoBar) {
    auto days = Days(93);
    days[10].rain(-10).drain(1, -700);
    days[12].rain("-200").drain(1, "-1E3");
    Open(days);
    MAAKPLAAT(v_);
    for (int d : {10, 12}) {
        const int x = DayX(d);
        EXPECT_EQ(CountPixels(Image(), x + 1, 34, x + 5, 94, kYellow), 0);
        EXPECT_EQ(CountPixels(Image(), x + 1, 386, x + 5, 444, kYellow), 0);
    }
}

TEST_F(Plate, LevelReadingsPutCirclesOnTheWaterAxisAndStarsOnTheDepthScale) {
    struct Case {
        int reading;
        const char* mark;
        int top;
    };
    const Case cases[] = {{125, "o", 441}, {150, "o", 381}, {151, "o", 379}, {152, "*", 354}};
    auto days = Days(93);
    for (int i = 0; i < 4; ++i) days[10 + 2 * i].level(1, cases[i].reading);
    Open(days);
    MAAKPLAAT(v_);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(cases[i].reading);
        EXPECT_EQ(TextMismatch(Image(), DayX(10 + 2 * i), cases[i].top, cases[i].mark, kYellow, kBlue,
                               {385, 445}),
                  "");
    }
}

TEST_F(Plate, LevelFlagNineDrawsNoMarkWhateverTheLevelHolds) {
    auto days = Days(93);
    days[10].level(1, 150).flag(1, '9');
    days[12].level(1, 150);
    Open(days);
    MAAKPLAAT(v_);
    EXPECT_EQ(TextMismatch(Image(), DayX(10), 381, " ", kYellow, kBlue, {385}), "");
    EXPECT_EQ(TextMismatch(Image(), DayX(12), 381, "o", kYellow, kBlue, {385}), "");
}

TEST_F(Plate, OnlyTheSelectedLysimetersFieldsAreDrawn) {
    auto days = Days(93);
    days[10].drain(2, 700).level(2, 150);
    days[12].drain(3, 700);
    days[14].level(3, 150);
    Open(days);
    UNTVOCH0::LYSIM = 3;
    MAAKPLAAT(v_);
    EXPECT_EQ(CountPixels(Image(), DayX(10), 370, DayX(10) + 5, 444, kYellow), 6) << "row 385 only";
    EXPECT_EQ(CountPixels(Image(), DayX(12) + 1, 385, DayX(12) + 5, 396, kYellow), 5 * 12);
    EXPECT_EQ(TextMismatch(Image(), DayX(14), 381, "o", kYellow, kBlue, {385}), "");
}

TEST_F(Plate, SundaysGetATickInTheDayBand) {
    auto days = Days(93);
    days[20].weekday("ZO");
    days[22].weekday("zo");
    days[24].weekday("MA");
    Open(days);
    MAAKPLAAT(v_);
    const int x = DayX(20) + 3;
    EXPECT_EQ(CountPixels(Image(), x, 100, x, 105, kYellow), 6);
    EXPECT_EQ(At(x, 99), kBlue);
    for (int d : {22, 24})
        EXPECT_EQ(CountPixels(Image(), DayX(d) + 3, 96, DayX(d) + 3, 104, kYellow), 0) << d;
}

TEST_F(Plate, PrecipitationCodesFiveToSevenPutAStarInTheDayBand) {
    const char codes[] = {'4', '5', '6', '7', '8', ' ', 'A'};
    auto days = Days(93);
    for (int i = 0; i < 7; ++i) days[20 + 2 * i].code(codes[i]);
    Open(days);
    MAAKPLAAT(v_);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(codes[i]);
        const bool star = codes[i] >= '5' && codes[i] <= '7';
        EXPECT_EQ(TextMismatch(Image(), DayX(20 + 2 * i), 97, star ? "*" : " ", kYellow, kBlue, {105}), "");
    }
}

TEST_F(Plate, FirstDaysOfAMonthGetDottedLinesAndTheirMonthLabel) {
    auto days = Days(93);
    days[0].day(1).month("JAN.");
    days[30].day(1).month("FEB ");
    days[31].day(2).month("FEB ");
    Open(days);
    MAAKPLAAT(v_);
    for (int d : {0, 30}) {
        SCOPED_TRACE(d);
        EXPECT_EQ(DottedMismatch(Image(), DayX(d), 32, DayX(d), 95, kYellow, kBlue), "");
        EXPECT_EQ(DottedMismatch(Image(), DayX(d), 388, DayX(d), 445, kYellow, kBlue), "");
        EXPECT_EQ(At(DayX(d), 387), kBlue);
    }
    EXPECT_EQ(TextMismatch(Image(), DayX(30) + 2, 31, "FEB ", kYellow, kBlue), "");
    EXPECT_EQ(CountPixels(Image(), DayX(31), 47, DayX(31), 94, kYellow), 0) << "below the label";
    EXPECT_EQ(CountPixels(Image(), DayX(31), 386, DayX(31), 444, kYellow), 0);
}

TEST_F(Plate, TheEndOfDataMarkFollowsTheLastRecordOfTheFile) {
    Open(Days(100));
    UNTVOCH0::RECNR = 7;  // the last window
    MAAKPLAAT(v_);
    EXPECT_EQ(v_.ADRES, 7);
    EXPECT_EQ(DottedMismatch(Image(), 598, 32, 598, 95, kYellow, kBlue), "");
    // The free-water ticks cross the lower line.
    EXPECT_EQ(DottedMismatch(Image(), 598, 445, 598, 385, kYellow, kBlue, {433, 421, 409, 397}), "");
    EXPECT_EQ(TextMismatch(Image(), 600, 31, "eof", kYellow, kBlue), "");

    UNTVOCH0::RECNR = 6;
    MAAKPLAAT(v_);
    EXPECT_EQ(CountPixels(Image(), 598, 20, 598, 94, kYellow), 0);
    EXPECT_EQ(CountPixels(Image(), 600, 20, 639, 46, kYellow), 0);
}

TEST_F(Plate, AShortFileIsShownFromItsFirstRecordWithTheEndMarkAfterItsLastDay) {
    auto days = Days(50);
    days[49].rain(100);
    Open(days);
    UNTVOCH0::RECNR = 20;
    MAAKPLAAT(v_);
    EXPECT_EQ(v_.ADRES, 0);
    EXPECT_EQ(v_.TELLER, 50);
    EXPECT_EQ(CountPixels(Image(), DayX(49) + 1, 80, DayX(49) + 5, 95, kYellow), 5 * 16);
    EXPECT_EQ(DottedMismatch(Image(), DayX(49) + 6, 32, DayX(49) + 6, 95, kYellow, kBlue), "");
    EXPECT_EQ(TextMismatch(Image(), DayX(49) + 8, 31, "eof", kYellow, kBlue), "");
}

TEST_F(Plate, AnEmptyFileShowsThePlateWithoutDays) {
    Open({});
    MAAKPLAAT(v_);
    EXPECT_EQ(v_.TELLER, 0);
    EXPECT_EQ(TextMismatch(Image(), 0, 0, "LYSIMETER-1", kYellow, kBlue), "");
    EXPECT_EQ(CountPixels(Image(), 40, 34, 600, 94, kYellow), 0);
    EXPECT_EQ(CountPixels(Image(), 64, 106, 591, 384, kYellow), 0) << "right of the captions";
}

TEST_F(Plate, TheSurfaceCaptionStandsBesideTheSurfaceLineOnlyWithoutCorrection) {
    Open(Days(93));
    MAAKPLAAT(v_);
    EXPECT_EQ(v_.YYOP, 135);
    EXPECT_EQ(TextMismatch(Image(), 0, 131, "surface", kYellow, kBlue), "");
    EXPECT_EQ(TextMismatch(Image(), 0, 356, "gutter", kYellow, kBlue), "");

    UNTVOCH0::COR = true;
    UNTVOCH0::BUIS = 2;
    MAAKPLAAT(v_);
    EXPECT_EQ(v_.YYOP, 152);
    EXPECT_EQ(CountPixels(Image(), 0, 110, 300, 300, kYellow), 0);
}

TEST_F(Plate, TheCorrectionMovesTheSurfaceLineOfEveryLysimeterAndTube) {
    const int expected[4][4] = {{146, 152, 149, 149}, {133, 133, 133, 133}, {121, 121, 121, 121},
                                {118, 118, 118, 118}};
    auto days = Days(93);
    for (int l = 1; l <= 4; ++l) days[20].pointer(l, 0);
    std::vector<ProfileRecord> profiles(3);
    Open(days, profiles);
    UNTVOCH0::COR = true;
    const int axis = DayX(20) + 3, zero = DayX(20) - 15;
    for (int l = 1; l <= 4; ++l)
        for (int b = 1; b <= 4; ++b) {
            SCOPED_TRACE(testing::Message() << "lysimeter " << l << " tube " << b);
            UNTVOCH0::LYSIM = int16_t(l);
            UNTVOCH0::BUIS = int16_t(b);
            MAAKPLAAT(v_);
            const int surface = expected[l - 1][b - 1];
            EXPECT_EQ(v_.YYOP, surface);
            EXPECT_EQ(At(axis, surface), kYellow);
            EXPECT_EQ(At(axis, surface - 1), kBlue);
            EXPECT_EQ(CountPixels(Image(), zero, surface, zero, surface + 5, kYellow), 6);
            EXPECT_EQ(At(zero, surface + 6), kBlue);
        }
}

TEST_F(Plate, EachProfileDayGetsItsOwnProfile) {
    auto days = Days(93);
    days[20].pointer(1, 0);
    days[60].pointer(1, 10);
    days[40].pointer(2, 0);  // another lysimeter's sampling
    Open(days, std::vector<ProfileRecord>(20));
    MAAKPLAAT(v_);
    for (int d : {20, 60})
        EXPECT_EQ(CountPixels(Image(), DayX(d) + 3, 135, DayX(d) + 3, 385, kYellow), 251) << d;
    EXPECT_EQ(CountPixels(Image(), DayX(40) + 3, 135, DayX(40) + 3, 384, kYellow), 0);
    EXPECT_EQ(TextMismatch(Image(), DayX(20) + 7, 371, "1", kYellow, kBlue, {385}), "");
    EXPECT_EQ(TextMismatch(Image(), DayX(60) + 7, 371, "2", kYellow, kBlue, {385}), "");
}

// The window start rule, observed through the plate: its window and the signals it sounds.
class PlateWindow : public ViewerTest {
protected:
    // Confirms the command of `cell` in the command bar, then draws the plate; returns the
    // number of signals the plate gave.
    int Command(int cell) {
        v_.KSP = int16_t(cell);
        backend_.addKeys({keys::Enter});
        UNTVOCH1::KEUZE(v_);
        return Redraw();
    }
    int Redraw() {
        testing::internal::CaptureStdout();
        MAAKPLAAT(v_);
        const std::string out = testing::internal::GetCapturedStdout();
        return int(std::count(out.begin(), out.end(), '\a'));
    }
};

TEST_F(PlateWindow, OneDayBackFromTheFirstRecordSignalsOnceAndResetsTheRequest) {
    Open(Days(200));
    EXPECT_EQ(Redraw(), 0);
    EXPECT_EQ(Command(5), 1);  // -1d
    EXPECT_EQ(UNTVOCH0::RECNR, 0);
    EXPECT_EQ(v_.ADRES, 0);
    EXPECT_EQ(Command(6), 0);  // +1d moves the window at once
    EXPECT_EQ(v_.ADRES, 1);
}

TEST_F(PlateWindow, ARequestPastTheLastWindowSignalsAtEveryRedraw) {
    Open(Days(200));
    UNTVOCH0::RECNR = UNTVOCH0::XRECNR;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Redraw(), 1);
        EXPECT_EQ(v_.ADRES, 199 - 92);
        EXPECT_EQ(UNTVOCH0::RECNR, 199);
    }
    UNTVOCH0::RECNR = 199 - 92;
    EXPECT_EQ(Redraw(), 0);
}

TEST_F(PlateWindow, AfterAYearPastTheEndElevenMonthsBackKeepTheWindowAndTheTwelfthMovesIt) {
    Open(Days(200));
    const int last = 199 - 92;
    UNTVOCH0::RECNR = 199 - 100;
    EXPECT_EQ(Command(10), 1);  // +1j
    EXPECT_EQ(UNTVOCH0::RECNR, 199 + 265);
    for (int i = 1; i <= 11; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Command(3), 1);  // -1m
        EXPECT_EQ(v_.ADRES, last);
    }
    EXPECT_EQ(Command(3), 0);
    EXPECT_EQ(UNTVOCH0::RECNR, 199 - 95);
    EXPECT_EQ(v_.ADRES, 199 - 95);
}

}  // namespace
}  // namespace viewer_tests
