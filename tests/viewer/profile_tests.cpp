// The moisture profile of one sampling day, drawn alone on a cleared window at the day column
// XX = 100 with the container bottom at y 385.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Units/UNTGRAPHICS.h"
#include "tests/data/error_code.h"
#include "platform/WinGraph.h"
#include "viewer/GEEFLYSIM.h"
#include "viewer/UNTVOCH0.h"
#include "viewer/UNTVOCH1.h"
#include "viewer/fields.h"
#include "viewer_fixture.h"

namespace viewer_tests {
namespace {

constexpr int kXX = 100;
constexpr int kAxis = kXX + 3;
constexpr int kZero = kXX - 15;  // x of moisture 0

class Profile : public ViewerTest {
protected:
    // Draws the profile that `pointer` leads to for the selected lysimeter and tube, with the
    // surface line where the plate puts it.
    void Draw(const std::string& pointer) {
        using namespace UNTVOCH0;
        UNTGRAPHICS::GRSCHERM(Yellow, Blue);
        SREC = DailyRecord().pointer(LYSIM, pointer).text();
        v_.XX = kXX;
        v_.YY0 = 385;
        v_.YYOP = 135 + (COR ? UNTVOCH1::SurfaceCorrection() : 0);
        UNTVOCH1::GEEFPROFIEL(v_, fields::LysimeterPos(LYSIM));
    }
    void Select(int lysimeter, int tube, bool correction = false) {
        UNTVOCH0::LYSIM = int16_t(lysimeter);
        UNTVOCH0::BUIS = int16_t(tube);
        UNTVOCH0::COR = correction;
    }
    // The "+" of a value whose mark lies `offset` pixels right of moisture 0, at `depth` cm.
    std::string MarkMismatch(int offset, int depth) const {
        return TextMismatch(Image(), kZero + offset - 3, v_.YYOP + depth - 3, "+", kYellow, kBlue);
    }
};

TEST_F(Profile, WorkedExampleWithoutCorrection) {
    std::vector<ProfileRecord> profiles(12);
    profiles[10].reading(4, 250);  // tube A at 60 cm
    Open(Days(1), profiles);
    Select(1, 1);
    Draw("10");

    EXPECT_EQ(CountPixels(Image(), kAxis, 135, kAxis, 385, kYellow), 251);
    EXPECT_EQ(At(kAxis, 134), kBlue);
    EXPECT_EQ(At(kAxis, 386), kBlue);

    EXPECT_EQ(DottedMismatch(Image(), 85, 135, 150, 135, kYellow, kBlue, {85, 103, 105, 125, 145}), "");
    EXPECT_EQ(At(84, 135), kBlue);
    EXPECT_EQ(At(151, 135), kBlue);
    for (int x : {85, 105, 125, 145}) {
        EXPECT_EQ(CountPixels(Image(), x, 135, x, 140, kYellow), 6) << x;
        EXPECT_EQ(At(x, 141), kBlue) << x;
    }

    EXPECT_EQ(DottedMismatch(Image(), 103, 360, 170, 360, kYellow, kBlue, {103, 105, 125, 145, 165}), "");
    EXPECT_EQ(At(102, 360), kBlue);
    EXPECT_EQ(At(171, 360), kBlue);
    for (int x : {105, 125, 145, 165}) {
        EXPECT_EQ(CountPixels(Image(), x, 360, x, 365, kYellow), 6) << x;
        EXPECT_EQ(At(x, 366), kBlue) << x;
    }
    EXPECT_EQ(At(85, 361), kBlue) << "no tick at moisture 0 on the lower line";

    EXPECT_EQ(TextMismatch(Image(), 107, 371, "2", kYellow, kBlue), "");
    EXPECT_EQ(TextMismatch(Image(), 132, 192, "+", kYellow, kBlue), "");
    EXPECT_EQ(CountPixels(Image(), 0, 0, 80, 479, kYellow), 0) << "no height label without correction";
}

TEST_F(Profile, TheCorrectedSurfaceHeightIsWrittenBesideTheSurfaceLine) {
    const char* labels[4][4] = {{"364", "358", "361", "361"}, {"377", "377", "377", "377"},
                                {"389", "389", "389", "389"}, {"392", "392", "392", "392"}};
    Open(Days(1), std::vector<ProfileRecord>(3));
    for (int l = 1; l <= 4; ++l)
        for (int b = 1; b <= 4; ++b) {
            SCOPED_TRACE(testing::Message() << "lysimeter " << l << " tube " << b);
            Select(l, b, true);
            Draw("0");
            EXPECT_EQ(TextMismatch(Image(), 0, v_.YYOP - 4, labels[l - 1][b - 1], kYellow, kBlue), "");
            EXPECT_EQ(TextMismatch(Image(), 0, v_.YYOP + 8, "corrected", kYellow, kBlue), "");
        }
}

TEST_F(Profile, WithCorrectionTheDeepestMarkMayLieBelowTheContainerBottom) {
    std::vector<ProfileRecord> profiles(2);
    profiles[1].reading(14, 250);  // tube B at 240 cm
    Open(Days(1), profiles);
    Select(1, 2, true);
    Draw("0");
    EXPECT_EQ(v_.YYOP, 152);
    EXPECT_EQ(TextMismatch(Image(), 0, 148, "358", kYellow, kBlue), "");
    EXPECT_EQ(TextMismatch(Image(), 0, 160, "corrected", kYellow, kBlue), "");
    EXPECT_EQ(MarkMismatch(50, 240), "");
    EXPECT_EQ(v_.YYOP + 240, 392);
}

TEST_F(Profile, TubeCOfALysimeterWithTwoTubesDrawsTheScaleWithoutMarks) {
    // Records 0 and 1 are blank; records 2 and 3, the last of the file, hold readings.
    std::vector<ProfileRecord> profiles(4);
    profiles[2].all(250);
    profiles[3].all(250);
    Open(Days(1), profiles);
    for (int l : {1, 4}) {
        SCOPED_TRACE(l);
        Select(l, 1);
        Draw("0");
        const PaletteImage withoutMarks = Image();
        Select(l, 3);
        Draw("2");  // two records read: a third would lie past the end of the file
        EXPECT_EQ(Image(), withoutMarks);
        Select(l, 1);
        Draw("2");
        EXPECT_EQ(MarkMismatch(50, 60), "");
    }
}

TEST_F(Profile, TheMeanDividesTheSumOfAllReadingsByTheReadingsAboveZero) {
    struct Case {
        const char *a, *b, *c;
        int offset;  // pixels right of moisture 0; -1: no mark
    };
    // Depth indices 16 pixels or more apart, so that the marks' cells do not overlap.
    const int depthIndex[] = {2, 4, 5, 6, 7, 9};
    const Case cases[] = {
        {"250", "", "260", 51},    // mean 255
        {"250", "-10", "", 48},    // sum 240 over one reading
        {"250", "255", "", 50},    // 252.5 / 5 = 50.5: to the even 50
        {"255", "260", "", 52},    // 257.5 / 5 = 51.5: to the even 52
        {"", "0", "", -1},         // nothing above 0
        {"-5", "", "", -1},        // the sum stays, below 0
    };
    std::vector<ProfileRecord> profiles(3);
    for (int i = 0; i < 6; ++i) {
        profiles[0].reading(depthIndex[i], cases[i].a);
        profiles[1].reading(depthIndex[i], cases[i].b);
        profiles[2].reading(depthIndex[i], cases[i].c);
    }
    Open(Days(1), profiles);
    Select(2, 4);
    Draw("0");
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const int depth = fields::kReadingDepthCm[depthIndex[i]];
        if (cases[i].offset >= 0) {
            EXPECT_EQ(MarkMismatch(cases[i].offset, depth), "");
        } else {
            const int y = v_.YYOP + depth - 3;
            EXPECT_EQ(CountPixels(Image(), kAxis + 1, y, 639, y + 15, kYellow), 0);
            EXPECT_EQ(CountPixels(Image(), 0, y, kAxis - 1, y + 15, kYellow), 0);
        }
    }
}

TEST_F(Profile, TheSamplingNumberIsThePointerDividedByTenPlusOne) {
    struct Case {
        const char* pointer;
        const char* number;
    };
    const Case cases[] = {{"0", "1"}, {"9", "1"}, {"10", "2"}, {"19", "2"}, {"00020", "3"},
                          {"12   ", "1"} /* does not convert: record 0 */};
    Open(Days(1), std::vector<ProfileRecord>(22));
    Select(1, 4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pointer);
        Draw(c.pointer);
        EXPECT_EQ(TextMismatch(Image(), 107, 371, std::string(c.number) + " ", kYellow, kBlue), "");
    }
}

TEST_F(Profile, APointerWhoseTubeRecordsDoNotAllExistEndsTheRunWithAnInputOutputError) {
    struct Case {
        int lysimeter;
        const char* pointer;
        int error;
    };
    const Case cases[] = {
        {1, "2", 0},      // records 2 and 3, the last two
        {2, "1", 0},      // records 1 to 3
        {2, "2", 100},    // its third record would be record 4
        {4, "3", 100},
        {1, "-1", 22},    // no record before the first
        {3, "-0001", 22},
    };
    Open(Days(1), std::vector<ProfileRecord>(4));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pointer);
        Select(c.lysimeter, 4);
        EXPECT_EQ(RunErrorCode([&] { Draw(c.pointer); }), c.error);
    }
}

}  // namespace
}  // namespace viewer_tests
