// The command bar: its cells, the highlight's steps and the command applied on confirmation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/WinGraph.h"
#include "platform/keys.h"
#include "viewer/GEEFLYSIM.h"
#include "viewer/UNTVOCH0.h"
#include "viewer/UNTVOCH1.h"
#include "viewer_fixture.h"

namespace viewer_tests {
namespace {

class CommandBar : public ViewerTest {
protected:
    void SetUp() override {
        Open({});
        backend_.onKeyWait([this](std::size_t, const PaletteImage& image) { waits_.push_back(image); });
    }
    // Runs the bar once with `cell` highlighted and the keys given.
    void Run(int cell, const std::vector<Key>& keys) {
        v_.KSP = int16_t(cell);
        backend_.addKeys(keys);
        UNTVOCH1::KEUZE(v_);
    }
    std::vector<PaletteImage> waits_;
};

// Empty when exactly the frame of `cell` is on the bar (none for cell 0): its top edge and its
// sides in yellow, the rest of the bar's top row and of the cell boundaries red.
std::string FrameMismatch(const PaletteImage& image, int cell) {
    std::string out;
    const int left = cell == 0 ? -1000 : (cell - 1) * 32, right = cell == 0 ? -1000 : cell * 32;
    for (int x = 0; x < 640; ++x) {
        const uint8_t want = x >= left && x <= right ? kYellow : kRed;
        if (image.at(x, 466) != want) out += " top row x " + std::to_string(x);
    }
    for (int k = 0; k <= 20; ++k) {
        const int x = k * 32;
        if (x > 639) break;
        const uint8_t want = x == left || x == right ? kYellow : kRed;
        for (int y = 466; y <= 479; ++y)
            if (image.at(x, y) != want) out += " x " + std::to_string(x) + " y " + std::to_string(y);
    }
    return out.substr(0, 200);
}

TEST_F(CommandBar, EachCellAppliesItsCommandAndChangesNothingElse) {
    struct Cursor {
        int32_t RECNR;
        int16_t LYSIM, BUIS;
        bool COR, STOPPEN;
        bool operator==(const Cursor&) const = default;
    };
    const Cursor start = {1461, 2, 1, false, false};
    const Cursor expected[21] = {
        {},
        {1096, 2, 1, false, false}, {1370, 2, 1, false, false}, {1431, 2, 1, false, false},
        {1454, 2, 1, false, false}, {1460, 2, 1, false, false}, {1462, 2, 1, false, false},
        {1468, 2, 1, false, false}, {1491, 2, 1, false, false}, {1552, 2, 1, false, false},
        {1826, 2, 1, false, false}, {1461, 2, 1, false, true},  {1461, 1, 1, false, false},
        {1461, 2, 1, false, false}, {1461, 3, 1, false, false}, {1461, 4, 1, false, false},
        {1461, 2, 1, true, false},  {1461, 2, 1, false, false}, {1461, 2, 2, false, false},
        {1461, 2, 3, false, false}, {1461, 2, 4, false, false},
    };
    for (int cell = 1; cell <= 20; ++cell) {
        SCOPED_TRACE(cell);
        UNTVOCH0::RECNR = start.RECNR;
        UNTVOCH0::LYSIM = start.LYSIM;
        UNTVOCH0::BUIS = start.BUIS;
        UNTVOCH0::COR = start.COR;
        v_.STOPPEN = false;
        Run(cell, {keys::Enter});
        const Cursor now = {UNTVOCH0::RECNR, UNTVOCH0::LYSIM, UNTVOCH0::BUIS, UNTVOCH0::COR, v_.STOPPEN};
        EXPECT_EQ(now, expected[cell]);
        EXPECT_EQ(v_.KSP, cell);
    }
}

TEST_F(CommandBar, DayStepsAreAppliedWithoutBounds) {
    UNTVOCH0::RECNR = 0;
    Run(5, {keys::Enter});
    EXPECT_EQ(UNTVOCH0::RECNR, -1);
    UNTVOCH0::RECNR = 100;
    Run(1, {keys::Enter});
    EXPECT_EQ(UNTVOCH0::RECNR, -265);
    Run(10, {keys::Enter});
    Run(10, {keys::Enter});
    EXPECT_EQ(UNTVOCH0::RECNR, 465);
}

TEST_F(CommandBar, TheCorrectionSwitchTwiceRestoresIt) {
    UNTVOCH0::COR = false;
    Run(16, {keys::Enter});
    Run(16, {keys::Enter});
    EXPECT_FALSE(UNTVOCH0::COR);
}

TEST_F(CommandBar, ArrowsAndTheirCapitalLettersStepWithWrapAroundAndOtherKeysConfirm) {
    struct Case {
        int from;
        std::vector<Key> keys;
        int to;
        int waits;
    };
    const Case cases[] = {
        {1, {keys::Left, keys::Enter}, 20, 2},
        {1, {keys::Up, keys::Enter}, 20, 2},
        {20, {keys::Right, keys::Enter}, 1, 2},
        {20, {keys::Down, keys::Enter}, 1, 2},
        {11, {Key::Char('H'), keys::Enter}, 10, 2},
        {11, {Key::Char('K'), keys::Enter}, 10, 2},
        {11, {Key::Char('M'), keys::Enter}, 12, 2},
        {11, {Key::Char('P'), keys::Enter}, 12, 2},
        {11, {Key::Char('h')}, 11, 1},
        {11, {Key::Char('p')}, 11, 1},
        {7, {keys::Close}, 7, 1},
        {7, {keys::F(1)}, 7, 1},
        {7, {keys::Space}, 7, 1},
        {3, {keys::Right, keys::Right, keys::Left, keys::Down, keys::Escape}, 5, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.from << " to " << c.to);
        waits_.clear();
        Run(c.from, c.keys);
        EXPECT_EQ(v_.KSP, c.to);
        EXPECT_TRUE(v_.UIT);
        EXPECT_EQ(int(waits_.size()), c.waits);
        EXPECT_EQ(backend_.keysLeft(), 0u);
    }
}

TEST_F(CommandBar, KeysTypedWhileThePlateWasDrawnDoNothing) {
    backend_.typeAhead({keys::Right, keys::Right, keys::Enter});
    Run(6, {keys::Enter});
    EXPECT_EQ(v_.KSP, 6);
    EXPECT_EQ(waits_.size(), 1u);
}

TEST_F(CommandBar, OneFrameFollowsTheHighlightAndNoneRemainsAfterConfirmation) {
    UNTVOCH0::LYSIM = 3;
    SetLineStyle(DottedLn, 0, 1);  // as a plate leaves it whose last day is the first of a month
    Run(19, {keys::Right, keys::Right, keys::Left, keys::Enter});
    ASSERT_EQ(waits_.size(), 4u);
    EXPECT_EQ(FrameMismatch(waits_[0], 19), "");
    EXPECT_EQ(FrameMismatch(waits_[1], 20), "") << "its right side lies outside the window";
    EXPECT_EQ(FrameMismatch(waits_[2], 1), "");
    EXPECT_EQ(FrameMismatch(waits_[3], 20), "");
    EXPECT_EQ(FrameMismatch(Image(), 0), "");
    EXPECT_EQ(UNTVOCH0::BUIS, 4);
}

TEST_F(CommandBar, TheBarOpensOnTheLastChosenCommand) {
    Run(11, {keys::Right, keys::Right, keys::Right, keys::Enter});
    EXPECT_EQ(UNTVOCH0::LYSIM, 3);
    waits_.clear();
    backend_.addKeys({keys::Enter});
    UNTVOCH1::KEUZE(v_);
    ASSERT_EQ(waits_.size(), 1u);
    EXPECT_EQ(FrameMismatch(waits_[0], 14), "");
}

TEST_F(CommandBar, TheLabelsLieInYellowOnTheRedBarAndTheNextPlateGetsAYellowFill) {
    Run(11, {keys::Enter});
    EXPECT_EQ(TextMismatch(Image(), 4, 469, UNTVOCH1::SBALK, kYellow, kRed, {479}), "");
    // Erasing the frame in red also takes the label pixels on its bottom edge.
    EXPECT_EQ(CountPixels(Image(), 320, 479, 352, 479, kRed), 33);
    EXPECT_EQ(CountPixels(Image(), 0, 466, 639, 468, kRed), 3 * 640);
    EXPECT_EQ(GetColor(), Yellow);
    Bar(0, 0, 9, 9);
    EXPECT_EQ(CountPixels(Image(), 0, 0, 9, 9, kYellow), 100);
}

}  // namespace
}  // namespace viewer_tests
