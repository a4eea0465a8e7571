#include "UNTGRAPHICS.h"

#include "../platform/ShortString.h"
#include "../platform/WinGraph.h"
#include "../platform/checked.h"

namespace UNTGRAPHICS {

void GRHAALDRIVER() {
    int16_t GRMODE = 4;  // 640 x 480
    int16_t GRD = 2;     // the 16-colour palette driver
    ShortString<255> DIREC;
    DIREC = "Morvenbek data presentation";
    InitGraph(GRD, GRMODE, DIREC);
}

void GRSCHERM(uint32_t VOORG, uint32_t ACHTER) {
    SetViewPort(0, 0, GetMaxX(), GetMaxY(), true);
    SetColor(VOORG);
    SetBkColor(ACHTER);
    ClearViewPort();
}

void GRETIKET(int16_t PX1, int16_t PY1, int16_t PX2, int16_t PY2, uint32_t VOORG, uint32_t ACHTER) {
    SetColor(VOORG);
    SetFillStyle(SolidFill, ACHTER);
    Rectangle(PX1, PY1, PX2, PY2);
    FloodFill(Checked<int16_t>(Add(PX1, 2)), Checked<int16_t>(Add(PY1, 2)), VOORG);
    SetColor(VOORG);
}

void GRKLEUR(uint32_t VOORG) {
    SetColor(VOORG);
    SetFillStyle(SolidFill, VOORG);
}

}  // namespace UNTGRAPHICS
