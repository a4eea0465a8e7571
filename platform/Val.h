#pragma once
// Conversion of a text field to a number, as the record layouts read their numeric fields.
// Leading blanks and tabs are skipped; then an optional sign and decimal digits (for reals
// also an optional fraction and exponent) must use up the rest of the text. Anything else
// gives the value 0 and a non-zero error position (1-based, the offending character), which
// the system computes and never looks at. Base prefixes ($ % & 0x) are not numbers here.
#include <cstdint>
#include <string_view>

double ValReal(std::string_view text, int& errorPos);
int32_t ValInt(std::string_view text, int& errorPos);
