#pragma once
// The fixed-pitch face of the graphics unit, rasterised once at build time without smoothing:
// for each text size 1 to 5 a cell of (4 * size) x (8 * size) pixels per Windows-1252 byte.
#include <cstdint>

struct GlyphCell {
    int width;             // cell width in pixels (8 at size 2)
    int height;            // cell height in pixels (16 at size 2, 32 at size 4)
    const uint32_t* rows;  // `height` rows; bit (31 - x) set means pixel x of the row is ink
};

// The cell of byte `ch` at text size `size` (1 to 5; other sizes are taken as the nearest).
GlyphCell Glyph(int size, uint8_t ch);
