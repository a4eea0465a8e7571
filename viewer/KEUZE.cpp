// The command bar: twenty cells along the bottom of the plate, a highlight moved by the arrow
// keys, and the command of the confirmed cell applied to the cursor.
#include "../Units/UNTGRAPHICS.h"
#include "../Units/UNTPROGDELEN.h"
#include "../platform/WinGraph.h"
#include "../platform/checked.h"
#include "GEEFLYSIM.h"
#include "UNTVOCH0.h"
#include "UNTVOCH1.h"

namespace UNTVOCH1 {

namespace {

constexpr int16_t kBarTop = 466;
constexpr int16_t kBarBottom = 479;
constexpr int16_t kCellWidth = 32;

// The outline of command cell k; cell 20 reaches x 640, one column past the window.
void CellFrame(int16_t k) {
    Rectangle(Checked<int16_t>(Mul(Sub(k, 1), kCellWidth)), kBarTop,
              Checked<int16_t>(Mul(k, kCellWidth)), kBarBottom);
}

void StepDays(int32_t days) {
    UNTVOCH0::RECNR = Checked<int32_t>(Add(UNTVOCH0::RECNR, days));
}

}  // namespace

void KIES(GeefLysimFrame& v, int16_t& KK, int16_t NN, int16_t NX) {
    using UNTPROGDELEN::KR;
    UNTPROGDELEN::LEESKEY(KR);
    v.UIT = false;
    if (KR == 'H' || KR == 'K') {
        if (KK > NN)
            KK = Checked<int16_t>(Sub(KK, 1));
        else
            KK = NX;
    } else if (KR == 'M' || KR == 'P') {
        if (KK < NX)
            KK = Checked<int16_t>(Add(KK, 1));
        else
            KK = NN;
    } else {
        v.UIT = true;
    }
}

void KEUZE(GeefLysimFrame& v) {
    using namespace UNTGRAPHICS;
    using namespace UNTVOCH0;

    SetLineStyle(SolidLn, 0, 1);
    GRETIKET(0, kBarTop, 639, kBarBottom, Red, Red);
    GRKLEUR(Yellow);
    OutTextXY(4, YBALK, SBALK);
    do {
        GRKLEUR(Yellow);
        CellFrame(v.KSP);
        v.KMM = v.KSP;
        KIES(v, v.KSP, 1, 20);
        GRKLEUR(Red);  // erases the frame of the cell highlighted before the key
        CellFrame(v.KMM);
    } while (!v.UIT);
    GRKLEUR(Yellow);  // the next plate's bars take this fill

    switch (v.KSP) {
        case 1: StepDays(-365); break;
        case 2: StepDays(-91); break;
        case 3: StepDays(-30); break;
        case 4: StepDays(-7); break;
        case 5: StepDays(-1); break;
        case 6: StepDays(1); break;
        case 7: StepDays(7); break;
        case 8: StepDays(30); break;
        case 9: StepDays(91); break;
        case 10: StepDays(365); break;
        case 11: v.STOPPEN = true; break;
        case 12: LYSIM = 1; break;
        case 13: LYSIM = 2; break;
        case 14: LYSIM = 3; break;
        case 15: LYSIM = 4; break;
        case 16: COR = !COR; break;
        case 17: BUIS = 1; break;
        case 18: BUIS = 2; break;
        case 19: BUIS = 3; break;
        case 20: BUIS = 4; break;
    }
}

}  // namespace UNTVOCH1
