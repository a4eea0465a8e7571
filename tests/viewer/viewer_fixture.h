#pragma once
// The viewer's procedures on the headless backend, over small data files written into a
// temporary working directory: the graphics state is the one the language screen leaves
// (text size 2, solid yellow fill), with English captions.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless.h"
#include "platform/image.h"
#include "records.h"
#include "tests/support/files.h"
#include "viewer/GEEFLYSIM.h"

namespace viewer_tests {

inline constexpr uint8_t kBlue = 1;
inline constexpr uint8_t kRed = 4;
inline constexpr uint8_t kYellow = 14;

// Left x of the column of day `index` (0 to 92) of the window.
constexpr int DayX(int index) { return 40 + 6 * index; }

class ViewerTest : public ::testing::Test {
protected:
    ~ViewerTest() override;

    // Writes both files, opens them as the program's start-up does, opens the window and sets
    // the cursor to record 0, lysimeter 1, tube A, no correction.
    void Open(const std::vector<DailyRecord>& days, const std::vector<ProfileRecord>& profiles = {});
    // The same with the daily file's bytes as they are given.
    void OpenBytes(const std::string& dailyFile, const std::vector<ProfileRecord>& profiles = {});
    uint8_t At(int x, int y) const;
    const PaletteImage& Image() const;

    testing_support::ScopedWorkDir dir_;
    HeadlessBackend backend_;
    UNTVOCH1::GeefLysimFrame v_;
};

// Empty when `text`, drawn at (x, y) in text size 2, appears there: its glyph pixels in `ink`
// and the rest of its character cells in `paper`, except on the rows listed (lines that cross
// the cells). Otherwise a description of the first mismatches.
std::string TextMismatch(const PaletteImage& image, int x, int y, std::string_view text, uint8_t ink,
                         uint8_t paper, std::initializer_list<int> crossingRows = {});

// Empty when the pixels from (x1, y1) to (x2, y2), a vertical or horizontal line, form in that
// order a dotted line of `ink` over `paper` (pixel i set when bit 15 - i % 16 of the dot
// pattern is, the end point always), except where the line's varying coordinate is listed in
// `crossing`. Otherwise a description of the first mismatches.
std::string DottedMismatch(const PaletteImage& image, int x1, int y1, int x2, int y2, uint8_t ink,
                           uint8_t paper, std::initializer_list<int> crossing = {});

// Number of pixels of `entry` in the rectangle, corners included.
int CountPixels(const PaletteImage& image, int x1, int y1, int x2, int y2, uint8_t entry);

}  // namespace viewer_tests
