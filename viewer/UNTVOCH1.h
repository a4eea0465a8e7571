#pragma once
// The lysimeter viewer: the captions of the chosen language, the surface-height correction
// table and the viewer itself.
#include <array>
#include <cstdint>

#include "../platform/ShortString.h"

namespace UNTVOCH1 {

extern ShortString<80> SBALK;   // labels of the 20 command cells
extern ShortString<80> SCORRG;  // word under the corrected surface height
extern ShortString<80> SWATER;  // caption of the free-water scale
extern ShortString<30> SBUISA, SBUISB, SBUISC, SBUISM;  // plate titles per tube
extern ShortString<30> SNEERS;  // caption of the precipitation scale
extern ShortString<30> SOPP;    // label of the soil-surface line
extern ShortString<30> SGOOT;   // label of the gutter level
extern ShortString<30> SDRAIN;  // caption of the drain-outflow scale

// Sets all eleven captions for language 1 (Dutch), 2 (English) or 3 (German); any other
// number leaves them as they are.
void BIJSCHRIFT(int16_t TAAL);

inline constexpr int16_t Y0 = 95;         // precipitation base line
inline constexpr int16_t DX = 6;          // width of a day column
inline constexpr long double SCHAAL = 0.15L;  // pixels per tenth of a millimetre
inline constexpr int16_t YBALK = 469;     // y of the command labels

// Surface-height correction in pixels (cm), indexed from 1 by (LYSIM - 1) * 4 + BUIS.
inline constexpr std::array<int16_t, 17> NPC = {0,   11,  17,  14,  14,  -2,  -2,  -2, -2,
                                                -14, -14, -14, -14, -17, -17, -17, -17};

// The viewer: plate and command bar in turn until the exit command; then the window is
// cleared to the plate's background and the viewer returns.
void GEEFLYSIM();

}  // namespace UNTVOCH1
