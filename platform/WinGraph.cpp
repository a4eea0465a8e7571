#include "WinGraph.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "WinCrt.h"
#include "backend.h"
#include "font.h"
#include "palette.h"

uint32_t Black, Blue, Green, Cyan, Red, Magenta, Brown, LightGray, DarkGray, LightBlue, LightGreen,
    LightCyan, LightRed, LightMagenta, Yellow, White;

namespace {

// The named colours in the order of their customary palette entries, with nominal RGB values
// chosen so that each lands on that entry.
uint32_t* const kNamedColours[16] = {
    &Black,    &Blue,      &Green,      &Cyan,      &Red,      &Magenta,      &Brown,  &LightGray,
    &DarkGray, &LightBlue, &LightGreen, &LightCyan, &LightRed, &LightMagenta, &Yellow, &White};
constexpr Rgb kNominal[16] = {
    {0, 0, 0},    {0, 0, 255},     {0, 128, 0},   {0, 128, 128},    // Black Blue Green Cyan
    {255, 0, 0},  {128, 0, 128},   {128, 64, 0},  {192, 192, 192},  // Red Magenta Brown LightGray
    {85, 85, 85}, {128, 128, 255}, {85, 255, 85}, {0, 255, 255},    // DarkGray to LightCyan
    {255, 85, 85}, {255, 0, 255},  {255, 255, 0}, {255, 255, 255},  // LightRed to White
};
constexpr bool EachNominalLandsOnItsEntry() {
    for (uint8_t i = 0; i < 16; ++i) {
        if (NearestPaletteEntry(kNominal[i]) != i) return false;
    }
    return true;
}
static_assert(EachNominalLandsOnItsEntry());

constexpr int kMaxX = PaletteImage::kWidth - 1;
constexpr int kMaxY = PaletteImage::kHeight - 1;

struct Box {  // inclusive corners in window coordinates
    int x1, y1, x2, y2;
    bool empty() const { return x1 > x2 || y1 > y2; }
    bool contains(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
    Box intersected(const Box& o) const {
        return {std::max(x1, o.x1), std::max(y1, o.y1), std::min(x2, o.x2), std::min(y2, o.y2)};
    }
};
constexpr Box kWindow{0, 0, kMaxX, kMaxY};

PaletteImage image;
uint64_t generation = 0;
Backend* openBackend = nullptr;  // the backend the window was opened on; null when closed

uint32_t colour = 0, bkColour = 0, fillColour = 0;
uint16_t linePattern = 0xFFFF;
int textSize = 2;
Box viewport = kWindow;
bool clipOn = true;
int currentX = 0, currentY = 0;  // relative to the viewport

// Colours are palette entry numbers; only the low four bits select an entry.
uint8_t Entry(uint32_t c) { return uint8_t(c & 0x0F); }

// Where drawing may set pixels, in window coordinates; empty when no window is open.
Box ClipBox() {
    if (!openBackend) return {0, 0, -1, -1};
    return clipOn ? viewport.intersected(kWindow) : kWindow;
}

// Every drawing operation may change the picture.
void Touch() { ++generation; }

void ResetState() {
    colour = White;
    bkColour = Black;
    fillColour = White;
    linePattern = 0xFFFF;
    textSize = 2;
    viewport = kWindow;
    clipOn = true;
    currentX = currentY = 0;
}

// A one-pixel line in window coordinates; pixel i of the line (from 0) is set when bit
// 15 - i % 16 of the pattern is, and the end point always.
void DrawLine(int x1, int y1, int x2, int y2, const Box& clip) {
    const uint8_t entry = Entry(colour);
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    for (unsigned i = 0;; ++i) {
        const bool last = x1 == x2 && y1 == y2;
        if ((last || (linePattern >> (15 - i % 16)) & 1) && clip.contains(x1, y1))
            image.set(x1, y1, entry);
        if (last) return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

void FillBox(const Box& box, uint8_t entry) {
    if (box.empty()) return;
    for (int y = box.y1; y <= box.y2; ++y)
        std::fill_n(image.data() + y * PaletteImage::kWidth + box.x1, box.x2 - box.x1 + 1, entry);
}

}  // namespace

void InitGraph(int16_t& driver, int16_t& mode, std::string_view caption) {
    if (driver != 2 || mode != 4) return;
    Backend* backend = CurrentBackend();
    if (!backend) throw NoWindowError("no graphics backend has been set");
    std::string why;
    if (!backend->open(caption, why)) throw NoWindowError(why);
    openBackend = backend;
    ResetKeyReader();  // a new window starts with no keys and is shown at the first key wait
    for (int i = 0; i < 16; ++i) *kNamedColours[i] = NearestPaletteEntry(kNominal[i]);
    ResetState();
    image.fill(0);
    Touch();
}

void CloseGraph() {
    if (!openBackend) return;
    Backend* backend = openBackend;
    openBackend = nullptr;
    backend->close();
}

bool GraphIsOpen() { return openBackend != nullptr; }

int16_t GetMaxX() { return kMaxX; }
int16_t GetMaxY() { return kMaxY; }

void SetViewPort(int16_t x1, int16_t y1, int16_t x2, int16_t y2, bool clip) {
    const Box box{x1, y1, x2, y2};
    if (box.empty() || box.x1 < 0 || box.y1 < 0 || box.x2 > kMaxX || box.y2 > kMaxY) return;
    viewport = box;
    clipOn = clip;
    currentX = currentY = 0;
}

void SetColor(uint32_t c) { colour = c; }
uint32_t GetColor() { return colour; }
void SetBkColor(uint32_t c) { bkColour = c; }

void ClearViewPort() {
    if (!openBackend) return;
    FillBox(viewport, Entry(bkColour));
    currentX = currentY = 0;
    Touch();
}

// Every fill is solid: the pattern number is accepted and only the colour is used.
void SetFillStyle(uint16_t /*pattern*/, uint32_t c) { fillColour = c; }

// Lines are always one pixel thick; style 4 takes the caller's bit pattern.
void SetLineStyle(uint16_t style, uint16_t pattern, uint16_t /*thickness*/) {
    switch (style) {
        case SolidLn: linePattern = 0xFFFF; break;
        case DottedLn: linePattern = kDottedPattern; break;
        case 4: linePattern = pattern; break;
        default: break;  // styles this face does not have change nothing
    }
}

// There is one face, always left to right; the size selects the cell (sizes beyond 1 to 5 take
// the nearest).
void SetTextStyle(uint16_t /*font*/, uint16_t /*direction*/, uint16_t size) { textSize = size; }

void Rectangle(int16_t x1, int16_t y1, int16_t x2, int16_t y2) {
    if (x1 > x2 || y1 > y2) return;
    const Box clip = ClipBox();
    const int ox = viewport.x1, oy = viewport.y1;
    DrawLine(ox + x1, oy + y1, ox + x2, oy + y1, clip);
    DrawLine(ox + x1, oy + y2, ox + x2, oy + y2, clip);
    DrawLine(ox + x1, oy + y1, ox + x1, oy + y2, clip);
    DrawLine(ox + x2, oy + y1, ox + x2, oy + y2, clip);
    Touch();
}

void Bar(int16_t x1, int16_t y1, int16_t x2, int16_t y2) {
    if (x1 > x2 || y1 > y2) return;
    const int ox = viewport.x1, oy = viewport.y1;
    FillBox(Box{ox + x1, oy + y1, ox + x2, oy + y2}.intersected(ClipBox()), Entry(fillColour));
    Touch();
}

// Scanline border fill, 4-connected, with its own stack: the area may be the whole window.
void FloodFill(int16_t x, int16_t y, uint32_t border) {
    const Box clip = ClipBox();
    const int sx = viewport.x1 + x, sy = viewport.y1 + y;
    const uint8_t stop = Entry(border), fill = Entry(fillColour);
    if (!clip.contains(sx, sy) || image.at(sx, sy) == stop) return;

    // The fill colour may already lie inside the area, so filled pixels are remembered apart.
    std::vector<bool> done(PaletteImage::kWidth * PaletteImage::kHeight, false);
    auto open = [&](int px, int py) {
        return !done[py * PaletteImage::kWidth + px] && image.at(px, py) != stop;
    };
    std::vector<std::pair<int, int>> stack{{sx, sy}};
    while (!stack.empty()) {
        const auto [px, py] = stack.back();
        stack.pop_back();
        if (!open(px, py)) continue;
        int left = px, right = px;
        while (left > clip.x1 && open(left - 1, py)) --left;
        while (right < clip.x2 && open(right + 1, py)) ++right;
        for (int i = left; i <= right; ++i) {
            done[py * PaletteImage::kWidth + i] = true;
            image.set(i, py, fill);
        }
        for (int ny : {py - 1, py + 1}) {
            if (ny < clip.y1 || ny > clip.y2) continue;
            for (int i = left; i <= right; ++i) {
                if (open(i, ny) && (i == left || !open(i - 1, ny))) stack.emplace_back(i, ny);
            }
        }
    }
    Touch();
}

void Line(int16_t x1, int16_t y1, int16_t x2, int16_t y2) {
    const int ox = viewport.x1, oy = viewport.y1;
    DrawLine(ox + x1, oy + y1, ox + x2, oy + y2, ClipBox());
    Touch();
}

void OutTextXY(int16_t x, int16_t y, std::string_view text) {
    const Box clip = ClipBox();
    const uint8_t entry = Entry(colour);
    int cellX = viewport.x1 + x;
    const int top = viewport.y1 + y;
    for (const char ch : text) {
        const GlyphCell cell = Glyph(textSize, uint8_t(ch));
        for (int row = 0; row < cell.height; ++row) {
            const uint32_t bits = cell.rows[row];
            for (int col = 0; bits && col < cell.width; ++col) {
                if ((bits >> (31 - col)) & 1 && clip.contains(cellX + col, top + row))
                    image.set(cellX + col, top + row, entry);
            }
        }
        cellX += cell.width;
        if (cellX > clip.x2) break;  // the rest of the text lies right of the clip
    }
    Touch();
}

const PaletteImage& GraphImage() { return image; }
uint64_t GraphGeneration() { return generation; }
