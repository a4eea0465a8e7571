// The viewer: the plate and the command bar in turn until the exit command.
#include "GEEFLYSIM.h"

#include "../platform/WinGraph.h"
#include "UNTVOCH0.h"
#include "UNTVOCH1.h"

namespace UNTVOCH1 {

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
