// The water-balance plate: 93 days of one lysimeter with precipitation and drain bars,
// free-water marks, the day band, month lines, the end-of-data mark and, at every sampling
// day, the moisture profile.
#include <string_view>

#include "../Units/UNTGRAPHICS.h"
#include "../platform/ShortString.h"
#include "../platform/Val.h"
#include "../platform/WinGraph.h"
#include "../platform/checked.h"
#include "GEEFLYSIM.h"
#include "UNTVOCH0.h"
#include "UNTVOCH1.h"
#include "fields.h"

namespace UNTVOCH1 {

namespace {

constexpr int16_t kDays = 93;
constexpr std::string_view kNoProfile = "     ";

// Pixel arguments are 16-bit; a value outside that range is a range error.
template <class T>
int16_t Px(T value) {
    return Checked<int16_t>(value);
}

// A real pixel offset rounded half to even, as a 32-bit value.
int32_t Round32(long double value) { return Checked<int32_t>(RoundEven(value)); }

// An axis tick from x1 to x2 at height VV, with its label right-aligned in three characters.
void AxisTick(int16_t x1, int16_t x2, int32_t VV, int16_t labelX, int32_t label) {
    Line(x1, Px(VV), x2, Px(VV));
    const ShortString<5> STAL(IntText(label, 3));
    OutTextXY(labelX, Px(Sub(VV, 3)), STAL);
}

}  // namespace

void MAAKPLAAT(GeefLysimFrame& v) {
    using namespace UNTGRAPHICS;
    using namespace UNTVOCH0;
    using namespace fields;

    // Geometry.
    v.YY0 = 385;
    v.YYOP = Checked<int32_t>(Sub(v.YY0, 250));
    if (COR) v.YYOP = Checked<int32_t>(Sub(Add(SurfaceCorrection(), v.YY0), 250));
    v.YYVV = Checked<int32_t>(Add(v.YY0, 60));

    // The window.
    v.ADRES = WindowStart();
    v.TELLER = 0;
    v.XX = 40;
    F.seek(v.ADRES);

    GRSCHERM(Yellow, Blue);

    int16_t POS = 0;
    switch (LYSIM) {
        case 1: POS = LysimeterPos(1); OutTextXY(0, 0, "LYSIMETER-1"); break;
        case 2: POS = LysimeterPos(2); OutTextXY(0, 0, "LYSIMETER-2"); break;
        case 3: POS = LysimeterPos(3); OutTextXY(0, 0, "LYSIMETER-3"); break;
        case 4: POS = LysimeterPos(4); OutTextXY(0, 0, "LYSIMETER-4"); break;
    }
    switch (BUIS) {
        case 1: OutTextXY(120, 0, SBUISA); break;
        case 2: OutTextXY(120, 0, SBUISB); break;
        case 3: OutTextXY(120, 0, SBUISC); break;
        case 4: OutTextXY(120, 0, SBUISM); break;
    }

    // The day band.
    Line(40, Y0, 600, Y0);
    Line(40, 105, 600, 105);

    // Precipitation axis: 0 to 40 mm upwards from the base line.
    int32_t VV = 0;
    long double V0 = 15.0L;
    for (int16_t PP = 0; PP <= 4; ++PP) {
        VV = Checked<int32_t>(Sub(Y0, Round32(PP * V0)));
        AxisTick(32, 39, VV, 0, Mul(PP, 10));
    }
    OutTextXY(0, Px(Sub(VV, 17)), SNEERS);

    if (!COR) OutTextXY(0, Px(Sub(v.YYOP, 4)), SOPP);
    OutTextXY(0, Px(Sub(v.YY0, 29)), SGOOT);

    // Drain panel and its axis: 0 to 40 mm downwards from the container bottom.
    Line(40, Px(v.YY0), 600, Px(v.YY0));
    Line(40, Px(v.YYVV), 600, Px(v.YYVV));
    for (int16_t PP = 0; PP <= 4; ++PP) {
        VV = Checked<int32_t>(Add(v.YY0, Round32(Mul(PP, 100) * SCHAAL)));
        AxisTick(32, 39, VV, 0, Mul(PP, 10));
    }

    // Free-water axis on the right: 0 to 25 cm upwards from the lowest line.
    V0 = 12.0L;
    for (int16_t PP = 0; PP <= 5; ++PP) {
        VV = Checked<int32_t>(Sub(v.YYVV, Round32(PP * V0)));
        AxisTick(592, 600, VV, 600, Mul(PP, 5));
    }

    OutTextXY(Px(Sub(v.XX, 40)), Px(Add(v.YYVV, 8)), SDRAIN);
    OutTextXY(448, 453, SWATER);

    // The days. The window lies inside the file, so only a file of fewer than 93 records ends
    // the loop early; an empty one draws no day at all.
    int FC = 0;  // parse error position, never examined
    bool atEnd = F.eof();
    while (v.TELLER < kDays && !atEnd) {
        ReadDailyRecord();
        v.TELLER = Checked<int16_t>(Add(v.TELLER, 1));

        v.RCAS = ValReal(SREC.copy(kPrecipitation, kPrecipitationWidth), FC);
        v.DRAIN = ValReal(SREC.copy(Add(POS, kDrainOffset), kDrainWidth), FC);
        v.PEILDAG = SREC[Add(POS, kLevelFlagOffset)] != '9';
        if (v.PEILDAG) {
            const int32_t reading = ValInt(SREC.copy(Add(POS, kLevelOffset), kLevelWidth), FC);
            v.PEILB = Checked<int32_t>(Sub(reading, kContainerBottomLevel));
        }

        v.YRC = Checked<int32_t>(Sub(Y0, RoundEven(static_cast<long double>(v.RCAS) * SCHAAL)));
        v.YDR = Checked<int32_t>(Add(v.YY0, RoundEven(static_cast<long double>(v.DRAIN) * SCHAAL / 10)));

        // A negative value gives corners in the wrong order, and the bar is not drawn.
        const int16_t x1 = Px(Add(v.XX, 1));
        const int16_t x5 = Px(Add(v.XX, 5));
        Bar(x1, Px(v.YRC), x5, Y0);
        Bar(x1, Px(v.YY0), x5, Px(v.YDR));

        if (v.PEILDAG) {
            const int32_t bottom = Checked<int32_t>(Sub(v.YY0, 4));
            if (v.PEILB < 27) {
                const long double height =
                    static_cast<long double>(Sub(v.PEILB, 25)) * SCHAAL * 400 / 25;
                v.YPB = Checked<int32_t>(Sub(bottom, RoundEven(height)));
                OutTextXY(v.XX, Px(v.YPB), "o");
            } else {
                v.YPB = Checked<int32_t>(Sub(bottom, v.PEILB));
                OutTextXY(v.XX, Px(v.YPB), "*");
            }
        }

        SetLineStyle(SolidLn, 0, 1);
        if (SREC.copy(kWeekday, kWeekdayWidth) == "ZO") {  // Sunday
            const int16_t x = Px(Add(v.XX, 3));
            Line(x, 100, x, 105);
        }
        const auto code = static_cast<unsigned char>(SREC[kPrecipitationCode]);
        if (code > '4' && code < '8') OutTextXY(v.XX, 97, "*");

        if (SREC.copy(Add(POS, kPointerOffset), kPointerWidth) != kNoProfile) GEEFPROFIEL(v, POS);

        if (SREC.copy(kDayOfMonth, kDayOfMonthWidth) == "01") {  // the first day of a month
            VV = 60;
            SetLineStyle(DottedLn, 0, 1);
            Line(v.XX, Px(Sub(Sub(Y0, VV), 3)), v.XX, Y0);
            const std::string_view month = SREC.copy(kMonthLabel, kMonthLabelWidth);
            OutTextXY(Px(Add(v.XX, 2)), Px(Sub(Sub(Y0, VV), 4)), month);
            Line(v.XX, Px(Add(v.YY0, 3)), v.XX, Px(v.YYVV));
        }
        atEnd = F.eof();
        if (atEnd) {  // the record just drawn was the last one
            VV = 60;
            SetLineStyle(DottedLn, 0, 1);
            const int16_t x = Px(Add(v.XX, 6));
            Line(x, Px(Sub(Sub(Y0, VV), 3)), x, Y0);
            OutTextXY(Px(Add(v.XX, 8)), Px(Sub(Sub(Y0, VV), 4)), "eof");
            Line(x, Px(v.YYVV), x, Px(v.YY0));
        }
        v.XX = Checked<int16_t>(Add(v.XX, DX));
    }
}

}  // namespace UNTVOCH1
