#pragma once
// The 16-entry palette of the window: every pixel of the picture is one of these entries.
#include <array>
#include <cstdint>

struct Rgb {
    uint8_t r, g, b;
    constexpr bool operator==(const Rgb&) const = default;
};

inline constexpr std::array<Rgb, 16> kPalette = {{
    {0, 0, 0},       {0, 0, 168},     {0, 168, 0},     {0, 168, 168},
    {168, 0, 0},     {168, 0, 168},   {168, 84, 0},    {168, 168, 168},
    {84, 84, 84},    {132, 132, 252}, {84, 252, 84},   {84, 252, 252},
    {252, 84, 84},   {252, 84, 252},  {252, 252, 84},  {252, 252, 252},
}};

// The palette entry nearest (in squared RGB distance) to a nominal colour; ties go to the lower entry.
constexpr uint8_t NearestPaletteEntry(Rgb c) {
    uint8_t best = 0;
    long bestDist = -1;
    for (uint8_t i = 0; i < kPalette.size(); ++i) {
        const long dr = long(c.r) - kPalette[i].r;
        const long dg = long(c.g) - kPalette[i].g;
        const long db = long(c.b) - kPalette[i].b;
        const long d = dr * dr + dg * dg + db * db;
        if (bestDist < 0 || d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    return best;
}
