#pragma once
// The main module: the language choice, the introduction screen and the main sequence.
#include <cstdint>

namespace DRELMIKS {

extern int16_t TAAL;  // chosen language: 1 Dutch, 2 English, 3 German
extern int16_t KTL;   // highlighted cell of the language bar, 1 to 3
extern int16_t KMM;   // the cell highlighted before the last step
extern bool UIT;      // the last key confirmed
extern char KR;       // the last key read
inline constexpr uint16_t FNT = 0;

void INITIEER();
void KIESTAAL();
void KIES(int16_t& KK, int16_t NN, int16_t NX);

// The main sequence: window, start values, language screen, captions, viewer.
void MainSequence();

}  // namespace DRELMIKS
