#include "UNTVOCH0.h"

#include <algorithm>

#include "../Units/UNTPROGDELEN.h"
#include "../platform/checked.h"

namespace UNTVOCH0 {

RecordFile F;
RECWN1 REC{};
ShortString<81> SREC;
int32_t RECNR = 0;
int32_t XRECNR = 0;
int16_t LYSIM = 0;
int16_t BUIS = 0;
bool COR = false;
RecordFile FV;
RECWN2 RECV{};
ShortString<91> SRECV;
int32_t RECNRV = 0;

void UNTVOCH0_INIT() {
    F.open(NAAMVOBAL, REC.DATA.size());
    SREC.setLength(REC.DATA.size());
    FV.open(NAAMVOCHT, RECV.DATA.size());
    SRECV.setLength(RECV.DATA.size());
    XRECNR = Checked<int32_t>(Sub(F.size(), 1));
}

void UNTVOCH0_DONE() {
    F.close();
    FV.close();
    REC = {};
    RECV = {};
    SREC = "";
    SRECV = "";
    RECNR = XRECNR = RECNRV = 0;
    LYSIM = BUIS = 0;
    COR = false;
}

int32_t WindowStart() {
    using UNTPROGDELEN::FLUITEN;
    int32_t start = RECNR;
    if (start < 0) {
        start = 0;
        RECNR = 0;
        FLUITEN();
    }
    // A daily file of fewer than 93 records has no full window: it is shown from record 0 on,
    // as far as it goes. XRECNR is at least -1, so the subtraction cannot overflow.
    const int32_t last = std::max(XRECNR - 92, 0);
    if (start > last) {
        start = last;
        FLUITEN();
    }
    return start;
}

void ReadDailyRecord() {
    F.read(REC.DATA.data());
    std::copy(REC.DATA.begin(), REC.DATA.end(), &SREC[1]);
}

void ReadProfileRecord() {
    FV.read(RECV.DATA.data());
    std::copy(RECV.DATA.begin(), RECV.DATA.end(), &SRECV[1]);
}

}  // namespace UNTVOCH0
