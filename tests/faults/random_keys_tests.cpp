// Random keys through both screens: whatever the user types, the cursor stays valid, no key
// leads to a run-time error, and the data files stay as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <sstream>
#include <vector>

#include "platform/headless.h"
#include "platform/keys.h"
#include "sample_copy.h"
#include "viewer/UNTVOCH0.h"
#include "viewer/fields.h"
#include "viewer/program.h"

namespace fault_tests {
namespace {

using namespace keys;

constexpr std::size_t kKeys = 10000;

// Keys a user can type: every arrow, the capital letters that step like arrows, and a range of
// keys that confirm, the close box among them.
const Key kArrows[] = {Up, Down, Left, Right, Key::Char('H'), Key::Char('K'), Key::Char('M'), Key::Char('P')};
const Key kConfirms[] = {Enter, Escape, Space, Tab, Backspace, Close, Home, End, PageUp, PageDown, Insert,
                         Delete, CtrlLeft, CtrlRight, F(1), F(10), Key::Char('h'), Key::Char('q'),
                         Key::Char('7'), Key::Char(0xfc)};

// Three arrows for each confirmation, so the highlight wanders over the whole bar.
std::vector<Key> RandomKeys(std::size_t count, uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> kind(0, 3), arrow(0, std::size(kArrows) - 1),
        confirm(0, std::size(kConfirms) - 1);
    std::vector<Key> keys;
    for (std::size_t i = 0; i < count; ++i)
        keys.push_back(kind(random) < 3 ? kArrows[arrow(random)] : kConfirms[confirm(random)]);
    return keys;
}

bool Confirms(const Key& key) { return std::find(std::begin(kArrows), std::end(kArrows), key) == std::end(kArrows); }

struct Tally {
    int runsEnded = 0;       // by the exit command, with status 0
    int waitsInViewer = 0;   // key waits of the command bar
    std::size_t keysUsed = 0;
    int32_t lowestRequest = INT32_MAX, highestRequest = INT32_MIN;
};

TEST(RandomKeyFault, TenThousandKeysKeepTheCursorValidAndEveryRunAliveOrEndedByTheExitCommand) {
    SampleCopy data;
    const std::vector<Key> keys = RandomKeys(kKeys, 19630101);
    Tally tally;
    std::ostringstream faults;

    // One run after another, each on the keys the previous one left, until all are used: a run
    // ends by the exit command or waits when the keys run out.
    testing::internal::CaptureStdout();  // the signals
    while (tally.keysUsed < keys.size()) {
        const std::vector<Key> rest(keys.begin() + std::ptrdiff_t(tally.keysUsed), keys.end());
        HeadlessBackend backend(rest);
        bool inViewer = false;  // a confirmation has ended the language screen
        backend.onKeyWait([&](std::size_t index, const PaletteImage&) {
            inViewer = inViewer || (index > 0 && Confirms(rest[index - 1]));
            using namespace UNTVOCH0;
            const bool valid = inViewer ? LYSIM >= 1 && LYSIM <= 4 && BUIS >= 1 && BUIS <= 4 && RECNR >= 0
                                        : LYSIM == 0 && BUIS == 0;
            if (!valid && faults.tellp() < 2000)
                faults << "key " << tally.keysUsed + index << ": LYSIM " << LYSIM << " BUIS " << BUIS
                       << " RECNR " << RECNR << (inViewer ? " in the viewer\n" : " before the viewer\n");
            if (inViewer) {
                ++tally.waitsInViewer;
                tally.lowestRequest = std::min(tally.lowestRequest, RECNR);
                tally.highestRequest = std::max(tally.highestRequest, RECNR);
            }
        });
        try {
            const int status = RunDrelmiks(backend);
            if (status != 0 || !backend.errorBoxes().empty())
                faults << "a run ended with status " << status << "\n";
            ++tally.runsEnded;
        } catch (const ScriptExhausted&) {
            // The last run waits for a key that does not come.
        }
        const std::size_t used = rest.size() - backend.keysLeft();
        ASSERT_GT(used, 0u);
        tally.keysUsed += used;
    }
    testing::internal::GetCapturedStdout();

    EXPECT_EQ(faults.str(), "");
    EXPECT_EQ(tally.keysUsed, kKeys);
    // The keys did reach both screens, both ends of the data and the exit command.
    EXPECT_GT(tally.runsEnded, 10);
    EXPECT_GT(tally.waitsInViewer, int(kKeys) / 2);
    EXPECT_EQ(tally.lowestRequest, 0);
    const auto lastRecord = int32_t(data.sample(UNTVOCH0::NAAMVOBAL).size() / fields::kDailyRecordSize - 1);
    EXPECT_GT(tally.highestRequest, lastRecord);
    EXPECT_TRUE(data.Untouched());
}

}  // namespace
}  // namespace fault_tests
