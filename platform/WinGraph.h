#pragma once
// The BGI-style graphics unit: one 640 x 480 window with a 16-colour palette, named colour
// variables, viewport, lines, rectangles, bars, border fill, line and fill styles and text.
// Every operation draws into the off-screen PaletteImage; the backend shows it at key waits.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "image.h"

// Named colours. Before InitGraph they hold 0; InitGraph sets each to the palette entry
// nearest to its nominal RGB value.
extern uint32_t Black, Blue, Green, Cyan, Red, Magenta, Brown, LightGray, DarkGray, LightBlue,
    LightGreen, LightCyan, LightRed, LightMagenta, Yellow, White;

// Thrown by InitGraph when no window can be opened at all (no display).
struct NoWindowError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Opens the window through the current backend (driver 2, mode 4: 640 x 480, 16 colours) and
// resets the drawing state. Other driver/mode pairs are refused: nothing happens.
void InitGraph(int16_t& driver, int16_t& mode, std::string_view caption);
// Closes the window, if open. Safe to call more than once.
void CloseGraph();
bool GraphIsOpen();

int16_t GetMaxX();
int16_t GetMaxY();

void SetViewPort(int16_t x1, int16_t y1, int16_t x2, int16_t y2, bool clip);
void SetColor(uint32_t colour);
uint32_t GetColor();
void SetBkColor(uint32_t colour);
void ClearViewPort();
void SetFillStyle(uint16_t pattern, uint32_t colour);
void SetLineStyle(uint16_t style, uint16_t pattern, uint16_t thickness);
void SetTextStyle(uint16_t font, uint16_t direction, uint16_t size);

void Rectangle(int16_t x1, int16_t y1, int16_t x2, int16_t y2);
void Bar(int16_t x1, int16_t y1, int16_t x2, int16_t y2);
void FloodFill(int16_t x, int16_t y, uint32_t border);
void Line(int16_t x1, int16_t y1, int16_t x2, int16_t y2);
void OutTextXY(int16_t x, int16_t y, std::string_view text);

// Line styles and the fill pattern the system uses.
inline constexpr uint16_t SolidLn = 0;
inline constexpr uint16_t DottedLn = 1;
inline constexpr uint16_t SolidFill = 1;
// The dot pattern of DottedLn: bit 15 is the first pixel of a line, two set, two skipped.
inline constexpr uint16_t kDottedPattern = 0xCCCC;

// The picture as drawn so far, and a counter that changes with every operation that may have
// changed it, so a backend knows when to present.
const PaletteImage& GraphImage();
uint64_t GraphGeneration();
