// The moisture profile of one sampling day, drawn around its day column on the plate: the
// profile's own moisture scale along the surface and gutter lines, the sampling number and a
// "+" for every depth with a reading of the selected tube, or of the tubes' mean.
#include "../Units/UNTGRAPHICS.h"
#include "../platform/ShortString.h"
#include "../platform/Val.h"
#include "../platform/WinGraph.h"
#include "../platform/checked.h"
#include "../platform/runerror.h"
#include "GEEFLYSIM.h"
#include "UNTVOCH0.h"
#include "UNTVOCH1.h"
#include "fields.h"

namespace UNTVOCH1 {

namespace {

constexpr int16_t VELDCAP = 90;  // moisture (per mille) at the day's axis: field capacity
constexpr int16_t PROMPP = 5;    // per mille of moisture per pixel
// Depth in cm below the surface of each of the fifteen readings.
constexpr const int16_t (&AYVV)[fields::kReadings] = fields::kReadingDepthCm;

template <class T>
int16_t Px(T value) {
    return Checked<int16_t>(value);
}

}  // namespace

ProfileTable ReadProfile(int16_t PPS) {
    using namespace UNTVOCH0;
    // Row 0: readings above 0 per depth; rows 1 to 3: tubes A, B, C; row 4: sum, then mean.
    ProfileTable AV{};
    // Lysimeters 1 and 4 have two tubes, 2 and 3 have three.
    const int16_t BX = (PPS == fields::LysimeterPos(1) || PPS == fields::LysimeterPos(4)) ? 2 : 3;

    int FC = 0;  // parse error position, never examined
    RECNRV = ValInt(SREC.copy(Add(PPS, fields::kPointerOffset), fields::kPointerWidth), FC);
    FV.seek(RECNRV);
    for (int16_t BB = 1; BB <= BX; ++BB) {
        ReadProfileRecord();
        for (int16_t PP = 0; PP <= 14; ++PP) {
            const int32_t GG = ValInt(SRECV.copy(fields::ReadingPos(PP), fields::kReadingWidth), FC);
            AV[BB][PP] = GG;
            AV[4][PP] = AV[4][PP] + GG;  // every reading, whatever its sign
            if (GG > 0) AV[0][PP] = AV[0][PP] + 1;
        }
    }
    // The mean divides by the readings above 0 only; without any, the sum stays (0 or less).
    for (int16_t PP = 0; PP <= 14; ++PP)
        if (AV[0][PP] > 0) AV[4][PP] = AV[4][PP] / AV[0][PP];
    return AV;
}

void GEEFPROFIEL(GeefLysimFrame& v, int16_t PPS) {
    using namespace UNTGRAPHICS;
    using namespace UNTVOCH0;

    GRKLEUR(Yellow);
    const ProfileTable AV = ReadProfile(PPS);

    const int16_t axisX = Px(Add(v.XX, 3));
    SetLineStyle(SolidLn, 0, 1);
    Line(axisX, Px(v.YYOP), axisX, Px(v.YY0));

    const int16_t X00 = Px(Sub(v.XX, 15));  // moisture 0; the axis stands at VELDCAP
    static_assert(VELDCAP / PROMPP == 18);
    const int32_t TPC = 20;  // pixels between ticks: 100 per mille
    const int32_t gutter = Checked<int32_t>(Sub(v.YY0, 25));

    SetLineStyle(DottedLn, 0, 1);
    Line(X00, Px(v.YYOP), Px(Add(Add(X00, Mul(3, TPC)), 5)), Px(v.YYOP));
    Line(axisX, Px(gutter), Px(Add(Add(X00, Mul(4, TPC)), 5)), Px(gutter));

    SetLineStyle(SolidLn, 0, 1);
    for (int16_t CC = 0; CC <= 3; ++CC) {
        const int16_t x = Px(Add(X00, Mul(CC, TPC)));
        Line(x, Px(v.YYOP), x, Px(Add(v.YYOP, 5)));
    }
    for (int16_t CC = 1; CC <= 4; ++CC) {
        const int16_t x = Px(Add(X00, Mul(CC, TPC)));
        Line(x, Px(gutter), x, Px(Add(gutter, 5)));
    }

    ShortString<5> SKLAD;
    if (COR) {  // the corrected surface height above the datum, in cm
        SKLAD = IntText(Sub(375, SurfaceCorrection()), 3);
        OutTextXY(0, Px(Sub(v.YYOP, 4)), SKLAD);
        OutTextXY(0, Px(Add(v.YYOP, 8)), SCORRG);
    }
    SKLAD = IntText(Add(RECNRV / 10, 1), 0);  // the sampling number
    OutTextXY(Px(Add(v.XX, 7)), Px(Sub(v.YY0, 14)), SKLAD);

    if (BUIS < 1 || BUIS > 4) RunError(kErrorRange);
    for (int16_t PP = 0; PP <= 14; ++PP) {
        const int16_t YVV = Px(Add(v.YYOP, AYVV[PP]));
        const double value = AV[BUIS][PP];
        if (value > 0) {
            const int32_t XVV = Checked<int32_t>(Add(X00, RoundEven(value / PROMPP)));
            OutTextXY(Px(Sub(XVV, 3)), Px(Sub(YVV, 3)), "+");
        }
    }
}

}  // namespace UNTVOCH1
