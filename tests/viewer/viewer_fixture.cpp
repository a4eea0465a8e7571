#include "viewer_fixture.h"

#include <algorithm>
#include <sstream>

#include "Units/UNTGRAPHICS.h"
#include "platform/WinGraph.h"
#include "platform/backend.h"
#include "platform/font.h"
#include "viewer/UNTVOCH0.h"
#include "viewer/UNTVOCH1.h"

namespace viewer_tests {

namespace {

bool Listed(std::initializer_list<int> rows, int y) {
    return std::find(rows.begin(), rows.end(), y) != rows.end();
}

void Report(std::ostringstream& out, int& count, int x, int y, uint8_t want, uint8_t got) {
    if (count++ < 5) out << " (" << x << "," << y << ") is " << int(got) << " not " << int(want) << ";";
}

}  // namespace

ViewerTest::~ViewerTest() {
    CloseGraph();
    UNTVOCH0::UNTVOCH0_DONE();
    SetBackend(nullptr);
}

void ViewerTest::Open(const std::vector<DailyRecord>& days, const std::vector<ProfileRecord>& profiles) {
    OpenBytes(Concatenate(days), profiles);
}

void ViewerTest::OpenBytes(const std::string& dailyFile, const std::vector<ProfileRecord>& profiles) {
    testing_support::WriteFile("DRELMIKS.WN1", dailyFile);
    testing_support::WriteFile("DRELMIKS.WN2", Concatenate(profiles));
    UNTVOCH0::UNTVOCH0_INIT();
    SetBackend(&backend_);
    UNTGRAPHICS::GRHAALDRIVER();
    SetTextStyle(0, 0, 2);
    UNTGRAPHICS::GRKLEUR(Yellow);
    UNTVOCH1::BIJSCHRIFT(2);
    UNTVOCH0::RECNR = 0;
    UNTVOCH0::LYSIM = 1;
    UNTVOCH0::BUIS = 1;
    UNTVOCH0::COR = false;
}

uint8_t ViewerTest::At(int x, int y) const { return GraphImage().at(x, y); }

const PaletteImage& ViewerTest::Image() const { return GraphImage(); }

std::string TextMismatch(const PaletteImage& image, int x, int y, std::string_view text, uint8_t ink,
                         uint8_t paper, std::initializer_list<int> crossingRows) {
    std::ostringstream out;
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const GlyphCell cell = Glyph(2, static_cast<uint8_t>(text[i]));
        const int cx = x + int(i) * cell.width;
        for (int row = 0; row < cell.height; ++row) {
            const int py = y + row;
            if (py < 0 || py >= PaletteImage::kHeight || Listed(crossingRows, py)) continue;
            for (int col = 0; col < cell.width; ++col) {
                const int px = cx + col;
                if (px < 0 || px >= PaletteImage::kWidth) continue;
                const bool isInk = (cell.rows[row] >> (31 - col)) & 1;
                const uint8_t want = isInk ? ink : paper;
                if (image.at(px, py) != want) Report(out, count, px, py, want, image.at(px, py));
            }
        }
    }
    if (count == 0) return {};
    return std::to_string(count) + " pixels differ:" + out.str();
}

std::string DottedMismatch(const PaletteImage& image, int x1, int y1, int x2, int y2, uint8_t ink,
                           uint8_t paper, std::initializer_list<int> crossing) {
    std::ostringstream out;
    int count = 0;
    const bool vertical = x1 == x2;
    const int sx = x2 > x1 ? 1 : x2 < x1 ? -1 : 0;
    const int sy = y2 > y1 ? 1 : y2 < y1 ? -1 : 0;
    for (int i = 0, x = x1, y = y1;; ++i, x += sx, y += sy) {
        const bool last = x == x2 && y == y2;
        const uint8_t want = last || (kDottedPattern >> (15 - i % 16)) & 1 ? ink : paper;
        if (!Listed(crossing, vertical ? y : x) && image.at(x, y) != want)
            Report(out, count, x, y, want, image.at(x, y));
        if (last) break;
    }
    if (count == 0) return {};
    return std::to_string(count) + " pixels differ:" + out.str();
}

int CountPixels(const PaletteImage& image, int x1, int y1, int x2, int y2, uint8_t entry) {
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) n += image.at(x, y) == entry;
    return n;
}

}  // namespace viewer_tests
