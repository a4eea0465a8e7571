#pragma once
// The working state the viewer's procedures share while the viewer runs, and the procedures
// themselves: the plate, its moisture profiles and the command bar.
#include <array>
#include <cstdint>
#include <string>

namespace UNTVOCH1 {

struct GeefLysimFrame {
    int16_t KSP = 11;      // highlighted command cell, 1 to 20
    int16_t KMM = 11;      // the cell highlighted before the last key
    bool UIT = false;      // the last key confirmed
    bool STOPPEN = false;  // the exit command has been chosen
    int32_t ADRES = 0;     // first record of the plate's window
    int16_t TELLER = 0;    // window records read so far
    int16_t XX = 0;        // left x of the current day column
    int32_t YY0 = 0;       // container-bottom line
    int32_t YYOP = 0;      // soil-surface line
    int32_t YYVV = 0;      // lowest base line
    int32_t YRC = 0, YDR = 0, YPB = 0;  // precipitation bar top, drain bar bottom, level mark
    double RCAS = 0, DRAIN = 0;
    int32_t PEILB = 0;     // free water on the container bottom, cm
    bool PEILDAG = false;  // a level was observed on the day
};

void MAAKPLAAT(GeefLysimFrame& v);
void GEEFPROFIEL(GeefLysimFrame& v, int16_t PPS);
void KEUZE(GeefLysimFrame& v);
void KIES(GeefLysimFrame& v, int16_t& KK, int16_t NN, int16_t NX);

// The readings of one sampling as the profile graph uses them: row 0 counts the readings above
// 0 per depth, rows 1 to 3 hold tubes A, B and C, row 4 the tubes' mean (their sum divided by
// the readings above 0). Reads the two or three tube records the day's pointer at PPS + 40 in
// SREC leads to, and sets RECNRV.
using ProfileTable = std::array<std::array<double, 15>, 5>;
ProfileTable ReadProfile(int16_t PPS);

// The surface-height correction of the selected lysimeter and tube (LYSIM, BUIS).
int16_t SurfaceCorrection();

// An integer in decimal, right-aligned in `width` characters (never cut); width 0 gives the
// digits alone.
std::string IntText(int64_t value, int width);

}  // namespace UNTVOCH1
