#pragma once
// Runs the language screen on the headless backend, and builds the pictures it should show.
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/image.h"
#include "platform/keys.h"

namespace shell_tests {

// Palette entries of the four colours the screens use.
inline constexpr uint8_t kBlack = 0;
inline constexpr uint8_t kBlue = 1;
inline constexpr uint8_t kRed = 4;
inline constexpr uint8_t kYellow = 14;

struct LanguageScreenRun {
    std::vector<PaletteImage> waits;  // the picture at each key wait, in order
    PaletteImage final;               // the picture when KIESTAAL has returned
    std::size_t keysLeft = 0;
};

// Opens the window, sets the start values and runs KIESTAAL with the scripted keys; `ahead`
// is typed before the screen first waits for a key; `afterwards` runs once KIESTAAL has
// returned, while the window is still open.
LanguageScreenRun RunLanguageScreen(const std::vector<Key>& script,
                                    const std::vector<Key>& ahead = {},
                                    const std::function<void()>& afterwards = {});

// One text of the screen as the layout places it.
struct PlacedText {
    int x, y;
    int size;  // text size: cells of (4 * size) x (8 * size) pixels
    std::string_view text;
};

// Every text of the screen in `language`, the language bar's names included.
std::vector<PlacedText> ScreenTexts(int16_t language);

// The screen without its texts: black, the blue box in its yellow frame, the red bar and the
// yellow highlight on `cell`.
PaletteImage ScreenBackground(int16_t cell);

// The whole screen in `language` with `cell` highlighted, each glyph from the font table.
PaletteImage ExpectedScreen(int16_t language, int16_t cell);

}  // namespace shell_tests
