#pragma once
// The fixed texts of the language and introduction screen, per language (1 Dutch, 2 English,
// 3 German).
#include <array>
#include <cstdint>
#include <string_view>

#include "../platform/ShortString.h"
#include "../platform/runerror.h"

namespace DRELMIKS {

// An array indexed from 1 to N, as the screen numbers its languages and lines; an index
// outside that range is a range error like any other.
template <class T, int16_t N>
class OneBased {
public:
    std::array<T, N> items;
    const T& operator[](int16_t index) const {
        if (index < 1 || index > N) RunError(kErrorRange);
        return items[index - 1];
    }
};

extern const OneBased<ShortString<32>, 3> AOPSCHR;               // the title
extern const OneBased<ShortString<60>, 3> ANAVIGATIE;            // the key line
extern const OneBased<OneBased<ShortString<60>, 16>, 3> ATEKST;  // the introduction
extern const ShortString<255> SBALK;                             // the language bar
// The subtitle under the title, the same in every language.
inline constexpr std::string_view kSubtitle = "Morvenbek 1963-1971";

}  // namespace DRELMIKS
