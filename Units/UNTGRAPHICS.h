#pragma once
// Screen primitives shared by every screen: open the window, start a screen in two colours,
// set the drawing colour, draw a framed label box.
#include <cstdint>

namespace UNTGRAPHICS {

void GRHAALDRIVER();
void GRSCHERM(uint32_t VOORG, uint32_t ACHTER);
void GRETIKET(int16_t PX1, int16_t PY1, int16_t PX2, int16_t PY2, uint32_t VOORG, uint32_t ACHTER);
void GRKLEUR(uint32_t VOORG);

}  // namespace UNTGRAPHICS
