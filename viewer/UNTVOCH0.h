#pragma once
// The observation data: both record files, their buffers and text copies, the record count
// and the cursor through which the viewer says what it shows.
#include <array>
#include <cstdint>

#include "../platform/ShortString.h"
#include "../platform/recfile.h"

namespace UNTVOCH0 {

inline constexpr const char* NAAMVOBAL = "DRELMIKS.WN1";
inline constexpr const char* NAAMVOCHT = "DRELMIKS.WN2";

struct RECWN1 {
    std::array<uint8_t, 81> DATA;
};
struct RECWN2 {
    std::array<uint8_t, 91> DATA;
};

extern RecordFile F;       // DRELMIKS.WN1, record size 81
extern RECWN1 REC;
extern ShortString<81> SREC;
extern int32_t RECNR;      // requested first record of the plate's window
extern int32_t XRECNR;     // number of the last whole record of DRELMIKS.WN1
extern int16_t LYSIM;      // 1 to 4
extern int16_t BUIS;       // 1 A, 2 B, 3 C, 4 M (the mean)
extern bool COR;           // the surface-height correction is shown
extern RecordFile FV;      // DRELMIKS.WN2, record size 91
extern RECWN2 RECV;
extern ShortString<91> SRECV;
extern int32_t RECNRV;     // first profile record of the profile being drawn

// The module's start-up, called first thing in the program: opens DRELMIKS.WN1, then
// DRELMIKS.WN2, in the working directory (a failed open is a run-time error) and sets XRECNR.
void UNTVOCH0_INIT();
// Closes both files and resets the module's variables (for tests and tools that run the
// program more than once in one process).
void UNTVOCH0_DONE();

// The window start rule: the first record of the 93-record window for RECNR. A negative
// request becomes 0 (RECNR too) and a request past the last window is held at the last one,
// each with the audible signal. A file of fewer than 93 records starts its window at 0.
int32_t WindowStart();

// Reads the next record of F into REC and copies it into SREC; likewise FV, RECV, SRECV.
void ReadDailyRecord();
void ReadProfileRecord();

}  // namespace UNTVOCH0
