#pragma once
// The working state the viewer's procedures share while the viewer runs, and the procedures
// themselves: the plate, its moisture profiles and the command bar.
#include <cstdint>

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
    int32_t YRC = 0, YDR = 0, YPB = 0;
    double RCAS = 0, DRAIN = 0;
    int32_t PEILB = 0;
    bool PEILDAG = false;
};

void MAAKPLAAT(GeefLysimFrame& v);
void GEEFPROFIEL(GeefLysimFrame& v, int16_t PPS);
void KEUZE(GeefLysimFrame& v);
void KIES(GeefLysimFrame& v, int16_t& KK, int16_t NN, int16_t NX);

}  // namespace UNTVOCH1
