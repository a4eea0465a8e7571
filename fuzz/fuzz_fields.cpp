// Field conversion on arbitrary text: never crashes, and a field that converts is a number
// that the text really spells.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/Val.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    int realError = -1;
    int intError = -1;
    const double real = ValReal(text, realError);
    const int32_t integer = ValInt(text, intError);
    // A failed conversion gives 0 and says where it failed; a successful one says nothing.
    if (realError < 0 || intError < 0) std::abort();
    if (realError != 0 && real != 0) std::abort();
    if (intError != 0 && integer != 0) std::abort();
    // Every text that reads as an integer reads as the same real.
    if (intError == 0 && (realError != 0 || real != double(integer))) std::abort();
    return 0;
}
