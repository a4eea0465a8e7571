// The viewer loop on crafted data, and the whole program touring every command on a copy of the
// sample data set.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/WinGraph.h"
#include "platform/headless.h"
#include "platform/keys.h"
#include "tests/support/files.h"
#include "viewer/UNTVOCH0.h"
#include "viewer/UNTVOCH1.h"
#include "viewer/program.h"
#include "viewer_fixture.h"

namespace viewer_tests {
namespace {

namespace fs = std::filesystem;

class ViewerLoop : public ViewerTest {};

TEST_F(ViewerLoop, StartsOnJanuary1967LysimeterThreeMeanProfileAndExitsFromTheOpeningCell) {
    auto days = Days(1600);
    days[1461].rain(100);
    Open(days);
    UNTVOCH0::LYSIM = 1;
    UNTVOCH0::COR = true;
    std::vector<PaletteImage> waits;
    backend_.onKeyWait([&waits](std::size_t, const PaletteImage& image) { waits.push_back(image); });
    backend_.addKeys({keys::Enter});

    UNTVOCH1::GEEFLYSIM();

    ASSERT_EQ(waits.size(), 1u);
    EXPECT_EQ(TextMismatch(waits[0], 0, 0, "LYSIMETER-3", kYellow, kBlue), "");
    EXPECT_EQ(TextMismatch(waits[0], 120, 0, "averaged profile", kYellow, kBlue), "");
    EXPECT_EQ(TextMismatch(waits[0], 0, 131, "surface", kYellow, kBlue), "") << "no correction";
    EXPECT_EQ(CountPixels(waits[0], DayX(0) + 1, 80, DayX(0) + 5, 95, kYellow), 5 * 16);
    EXPECT_EQ(CountPixels(waits[0], 320, 466, 352, 466, kYellow), 33) << "cell 11 highlighted";
    EXPECT_EQ(UNTVOCH0::RECNR, 1461);
    EXPECT_EQ(UNTVOCH0::LYSIM, 3);
    EXPECT_EQ(UNTVOCH0::BUIS, 4);
    EXPECT_FALSE(UNTVOCH0::COR);
    EXPECT_EQ(CountPixels(Image(), 0, 0, 639, 479, kBlue), 640 * 480) << "cleared on exit";
}

TEST_F(ViewerLoop, EveryConfirmedCommandRedrawsThePlateAndTheExitCellEndsIt) {
    Open(Days(200));
    std::vector<PaletteImage> waits;
    backend_.onKeyWait([&waits](std::size_t index, const PaletteImage& image) {
        waits.push_back(image);
        if (index == 2) {  // paint over the plate; the next command must draw it afresh
            SetFillStyle(SolidFill, Red);
            Bar(0, 0, 639, 400);
        }
    });
    // Lysimeter 1, then lysimeter 1 again, then back to the exit cell.
    backend_.addKeys({keys::Right, keys::Enter, keys::Enter, keys::Left, keys::Enter});
    testing::internal::CaptureStdout();
    UNTVOCH1::GEEFLYSIM();
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(waits.size(), 5u);
    EXPECT_EQ(TextMismatch(waits[2], 0, 0, "LYSIMETER-1", kYellow, kBlue), "");
    EXPECT_EQ(CountPixels(waits[3], 0, 0, 639, 400, kRed), 0);
    EXPECT_EQ(waits[3], waits[2]);
    EXPECT_EQ(UNTVOCH0::LYSIM, 1);
    EXPECT_EQ(backend_.keysLeft(), 0u);
}

TEST(WholeProgram, ToursAllTwentyCommandsAndEndsWithStatusZeroLeavingTheDataUntouched) {
    testing_support::ScopedWorkDir dir;
    std::vector<std::string> original;
    for (const char* name : {UNTVOCH0::NAAMVOBAL, UNTVOCH0::NAAMVOCHT}) {
        const fs::path from = fs::path(DRELMIKS_SAMPLE_DIR) / name;
        ASSERT_TRUE(fs::exists(from)) << from << " is built with the sample data set";
        fs::copy_file(from, name);
        original.push_back(testing_support::ReadFile(name));
    }
    // The language, then from the exit cell one step right and a confirmation for every cell
    // in turn: 12 to 20, 1 to 10, and 11 last.
    std::vector<Key> script = {keys::Enter};
    for (int i = 0; i < 20; ++i) {
        script.push_back(keys::Right);
        script.push_back(keys::Enter);
    }
    HeadlessBackend backend(script);

    testing::internal::CaptureStdout();
    const int status = RunDrelmiks(backend);
    testing::internal::GetCapturedStdout();

    EXPECT_EQ(status, 0);
    EXPECT_EQ(backend.keysLeft(), 0u);
    EXPECT_EQ(backend.keyWaits(), script.size());
    EXPECT_TRUE(backend.errorBoxes().empty());
    EXPECT_EQ(testing_support::ReadFile(UNTVOCH0::NAAMVOBAL), original[0]);
    EXPECT_EQ(testing_support::ReadFile(UNTVOCH0::NAAMVOCHT), original[1]);
}

}  // namespace
}  // namespace viewer_tests
