// The language bar's keys: arrows (and capital H, K, M, P) move the highlight with
// wrap-around, every other key confirms the highlighted language.
#include <gtest/gtest.h>

#include <string>

#include "language_screen.h"
#include "tests/support/image_compare.h"
#include "viewer/DRELMIKS.h"

namespace shell_tests {
namespace {

using testing_support::ImagesMatch;
using namespace keys;

struct KeyCase {
    std::string name;
    std::vector<Key> script;
    int16_t language;  // the confirmed language
};

std::ostream& operator<<(std::ostream& out, const KeyCase& c) { return out << c.name; }

class LanguageKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(LanguageKeys, ConfirmTheHighlightedLanguageAfterExactlyTheScriptedKeys) {
    const KeyCase& c = GetParam();
    const LanguageScreenRun run = RunLanguageScreen(c.script);
    EXPECT_EQ(DRELMIKS::TAAL, c.language);
    EXPECT_EQ(DRELMIKS::KTL, c.language);
    EXPECT_TRUE(DRELMIKS::UIT);
    EXPECT_EQ(run.waits.size(), c.script.size());
    EXPECT_EQ(run.keysLeft, 0u);
}

const KeyCase kKeyCases[] = {
    {"Enter", {Enter}, 1},
    {"Escape", {Escape}, 1},
    {"Blank", {Space}, 1},
    {"Tab", {Tab}, 1},
    {"F1", {F(1)}, 1},
    {"F10", {F(10)}, 1},
    {"Home", {Home}, 1},
    {"CtrlLeft", {CtrlLeft}, 1},
    {"CtrlRight", {CtrlRight}, 1},
    {"CloseBox", {Close}, 1},
    {"LowerH", {Key::Char('h')}, 1},
    {"LowerK", {Key::Char('k')}, 1},
    {"LowerM", {Key::Char('m')}, 1},
    {"LowerP", {Key::Char('p')}, 1},
    {"CapitalQ", {Key::Char('Q')}, 1},
    {"Digit", {Key::Char('2')}, 1},
    {"RightThenEnter", {Right, Enter}, 2},
    {"DownThenEnter", {Down, Enter}, 2},
    {"LeftWrapsToGerman", {Left, Enter}, 3},
    {"UpWrapsToGerman", {Up, Enter}, 3},
    {"RightWrapsFromGermanToDutch", {Right, Right, Right, Enter}, 1},
    {"DownWrapsFromGermanToDutch", {Down, Down, Down, Enter}, 1},
    {"TwoLeftsReachEnglish", {Left, Left, Enter}, 2},
    {"CapitalHMovesBack", {Key::Char('H'), Enter}, 3},
    {"CapitalKMovesBack", {Key::Char('K'), Enter}, 3},
    {"CapitalMMovesOn", {Key::Char('M'), Enter}, 2},
    {"CapitalPMovesOn", {Key::Char('P'), Enter}, 2},
    {"LetterConfirmsAfterMoving", {Right, Right, Key::Char('x')}, 3},
    {"CloseBoxConfirmsAfterMoving", {Left, Close}, 3},
    {"CtrlArrowConfirmsAfterMoving", {Right, CtrlRight}, 2},
};

INSTANTIATE_TEST_SUITE_P(Table, LanguageKeys, testing::ValuesIn(kKeyCases),
                         [](const testing::TestParamInfo<KeyCase>& info) {
                             return info.param.name;
                         });

TEST(LanguageKeys, ConfirmingKeyLeavesTheScreenAsItWas) {
    const LanguageScreenRun run = RunLanguageScreen({Left, Escape});
    EXPECT_TRUE(ImagesMatch("language-confirmed", run.final, run.waits.back()));
}

// KIES on a longer range, as the command bar uses the same rule.
struct StepCase {
    Key key;
    int16_t from, to;
    bool confirmed;
};

TEST(Kies, MovesOneStepWithWrapAroundOrConfirms) {
    const StepCase cases[] = {
        {Right, 1, 2, false},  {Right, 20, 1, false}, {Down, 19, 20, false},
        {Left, 1, 20, false},  {Up, 2, 1, false},     {Left, 11, 10, false},
        {Enter, 11, 11, true}, {Close, 20, 20, true}, {Key::Char('m'), 5, 5, true},
    };
    for (const StepCase& c : cases) {
        int16_t cell = c.from;
        // KIES reads through the window's key reader, so it runs inside an open window.
        RunLanguageScreen({Enter, c.key}, {}, [&cell] { DRELMIKS::KIES(cell, 1, 20); });
        EXPECT_EQ(cell, c.to) << "from " << c.from;
        EXPECT_EQ(DRELMIKS::UIT, c.confirmed) << "from " << c.from;
    }
}

}  // namespace
}  // namespace shell_tests
