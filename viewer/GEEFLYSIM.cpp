// The viewer: the plate and the command bar in turn until the exit command.
#include "GEEFLYSIM.h"

#include <cstdio>

#include "../platform/WinGraph.h"
#include "../platform/checked.h"
#include "../platform/runerror.h"
#include "UNTVOCH0.h"
#include "UNTVOCH1.h"

namespace UNTVOCH1 {

int16_t SurfaceCorrection() {
    using namespace UNTVOCH0;
    const auto index = Add(Mul(Sub(LYSIM, 1), 4), BUIS);
    if (index < 1 || index >= int32_t(NPC.size())) RunError(kErrorRange);
    return NPC[index];
}

std::string IntText(int64_t value, int width) {
    char text[24];
    std::snprintf(text, sizeof text, "%*lld", width, static_cast<long long>(value));
    return text;
}

void GEEFLYSIM() {
    using namespace UNTVOCH0;
    GeefLysimFrame v;  // the state the plate, the profiles and the command bar share

    RECNR = 1461;  // 1 January 1967
    LYSIM = 3;
    BUIS = 4;  // the mean profile
    COR = false;
    v.KSP = 11;  // the bar opens on the exit cell
    v.KMM = 11;
    v.STOPPEN = false;

    do {
        MAAKPLAAT(v);
        KEUZE(v);
    } while (!v.STOPPEN);

    ClearViewPort();  // to the plate's background, Blue
}

}  // namespace UNTVOCH1
