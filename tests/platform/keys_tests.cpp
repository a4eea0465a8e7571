// The key reader: its buffer, the headless key script, and how SDL's events become keys.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/WinCrt.h"
#include "platform/WinGraph.h"
#include "platform/headless.h"
#include "platform/keybuffer.h"
#include "platform/sdl_keymap.h"
#include "platform/sdl_window.h"
#include "tests/support/headless_window.h"

namespace {

// Everything the buffer hands out, character by character.
std::string Drain(KeyBuffer& buffer) {
    std::string chars;
    while (!buffer.empty()) chars += buffer.pop();
    return chars;
}

std::string Chars(std::initializer_list<int> codes) {
    std::string chars;
    for (int c : codes) chars += char(c);
    return chars;
}

TEST(KeyBuffer, GivesAnExtendedKeyAsZeroThenItsCode) {
    KeyBuffer buffer;
    buffer.push(keys::Up);
    buffer.push(Key::Char('a'));
    EXPECT_EQ(Drain(buffer), Chars({0, 'H', 'a'}));
}

TEST(KeyBuffer, WhenFullDropsTheOldestKeyCountingAPairAsOne) {
    KeyBuffer buffer;
    buffer.push(keys::Right);  // the oldest, dropped by the 32nd key
    for (int i = 0; i < 30; ++i) buffer.push(Key::Char(uint8_t('A' + i)));
    EXPECT_EQ(buffer.size(), 31u);
    buffer.push(keys::F(1));
    EXPECT_EQ(buffer.size(), 31u);
    std::string expected;
    for (int i = 0; i < 30; ++i) expected += char('A' + i);
    expected += Chars({0, ';'});
    EXPECT_EQ(Drain(buffer), expected);
}

TEST(KeyBuffer, WhenFullKeepsAKeyWhoseZeroWasReadAndDropsTheNext) {
    KeyBuffer buffer;
    buffer.push(keys::Down);
    for (int i = 0; i < 30; ++i) buffer.push(Key::Char('x'));
    ASSERT_EQ(buffer.pop(), 0);
    buffer.push(Key::Char('z'));
    EXPECT_EQ(buffer.size(), 31u);
    EXPECT_EQ(buffer.pop(), 'P');
    EXPECT_EQ(Drain(buffer), std::string(29, 'x') + "z");
}

// The key reader over a headless window.
class KeyReader : public testing_support::HeadlessWindowTest {};

TEST_F(KeyReader, ReadKeyTakesEachScriptedKeyAtAWait) {
    backend.addKeys({keys::Left, keys::Enter, keys::Close});
    std::string chars;
    for (int i = 0; i < 5; ++i) chars += ReadKey();
    EXPECT_EQ(chars, Chars({0, 'K', 13, 0, 'k'}));
    EXPECT_EQ(backend.keyWaits(), 3u);  // the second half of a pair needs no wait
    EXPECT_THROW(ReadKey(), ScriptExhausted);
}

TEST_F(KeyReader, KeyPressedTakesNothingAway) {
    EXPECT_FALSE(KeyPressed());
    backend.typeAhead({Key::Char('q')});
    EXPECT_TRUE(KeyPressed());
    EXPECT_TRUE(KeyPressed());
    EXPECT_EQ(ReadKey(), 'q');
    EXPECT_FALSE(KeyPressed());
    EXPECT_EQ(backend.keyWaits(), 0u);
}

TEST_F(KeyReader, PresentsThePictureOnlyWhenItChangedSinceItWasLastShown) {
    backend.addKeys({Key::Char('1'), Key::Char('2'), Key::Char('3')});
    std::vector<uint8_t> seen;
    backend.onKeyWait([&](std::size_t, const PaletteImage& image) { seen.push_back(image.at(5, 5)); });
    SetColor(White);
    ReadKey();
    const std::size_t afterFirst = backend.presents();
    KeyPressed();
    ReadKey();
    EXPECT_EQ(backend.presents(), afterFirst);  // nothing drawn in between
    Line(5, 5, 5, 5);
    ReadKey();
    EXPECT_EQ(backend.presents(), afterFirst + 1);
    EXPECT_EQ(seen, (std::vector<uint8_t>{0, 0, uint8_t(White)}));
}

TEST_F(KeyReader, ResetEmptiesTheBuffer) {
    backend.typeAhead({Key::Char('a'), keys::Up});
    ASSERT_TRUE(KeyPressed());
    ResetKeyReader();
    backend.addKeys({Key::Char('b')});
    EXPECT_EQ(ReadKey(), 'b');
}

TEST(HeadlessBackend, ShowsThePictureToTheObserverBeforeEachScriptedKey) {
    HeadlessBackend backend({Key::Char('a'), Key::Char('b')});
    KeyBuffer buffer;
    std::vector<std::size_t> waits;
    backend.onKeyWait([&](std::size_t index, const PaletteImage&) {
        waits.push_back(index);
        EXPECT_EQ(buffer.size(), 0u);
    });
    backend.waitForKey(buffer, PaletteImage{});
    EXPECT_EQ(buffer.pop(), 'a');
    backend.waitForKey(buffer, PaletteImage{});
    EXPECT_EQ(buffer.pop(), 'b');
    EXPECT_THROW(backend.waitForKey(buffer, PaletteImage{}), ScriptExhausted);
    EXPECT_EQ(waits, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(backend.keysLeft(), 0u);
}

// SDL's events, as the window receives them.
SDL_Event KeyDown(SDL_Keycode symbol, Uint16 modifiers = KMOD_NONE) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = symbol;
    event.key.keysym.mod = modifiers;
    return event;
}

SDL_Event Text(const char* utf8) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    SDL_strlcpy(event.text.text, utf8, sizeof event.text.text);
    return event;
}

SDL_Event WindowClose() {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    return event;
}

std::string Collect(const std::vector<SDL_Event>& events) {
    KeyBuffer buffer;
    for (const SDL_Event& event : events) CollectKeys(event, buffer);
    return Drain(buffer);
}

struct EventCase {
    const char* what;
    std::vector<SDL_Event> events;  // as SDL reports one key press
    std::string chars;
};

void PrintTo(const EventCase& c, std::ostream* os) { *os << c.what; }

class SdlKeyPress : public ::testing::TestWithParam<EventCase> {};

TEST_P(SdlKeyPress, YieldsExactlyOneCharacterOrPair) {
    EXPECT_EQ(Collect(GetParam().events), GetParam().chars);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SdlKeyPress,
    ::testing::Values(
        EventCase{"h", {KeyDown(SDLK_h), Text("h")}, "h"},
        EventCase{"ShiftH", {KeyDown(SDLK_h, KMOD_LSHIFT), Text("H")}, "H"},
        EventCase{"CapsLockH", {KeyDown(SDLK_h, KMOD_CAPS), Text("H")}, "H"},
        EventCase{"Space", {KeyDown(SDLK_SPACE), Text(" ")}, " "},
        EventCase{"Digit", {KeyDown(SDLK_7), Text("7")}, "7"},
        EventCase{"Enter", {KeyDown(SDLK_RETURN)}, Chars({13})},
        EventCase{"KeypadEnter", {KeyDown(SDLK_KP_ENTER)}, Chars({13})},
        EventCase{"Escape", {KeyDown(SDLK_ESCAPE)}, Chars({27})},
        EventCase{"Tab", {KeyDown(SDLK_TAB)}, Chars({9})},
        EventCase{"Backspace", {KeyDown(SDLK_BACKSPACE)}, Chars({8})},
        EventCase{"CtrlC", {KeyDown(SDLK_c, KMOD_LCTRL)}, Chars({3})},
        EventCase{"Up", {KeyDown(SDLK_UP)}, Chars({0, 'H'})},
        EventCase{"ShiftUp", {KeyDown(SDLK_UP, KMOD_RSHIFT)}, Chars({0, 'H'})},
        EventCase{"Left", {KeyDown(SDLK_LEFT)}, Chars({0, 'K'})},
        EventCase{"ShiftLeft", {KeyDown(SDLK_LEFT, KMOD_LSHIFT)}, Chars({0, 'K'})},
        EventCase{"Right", {KeyDown(SDLK_RIGHT)}, Chars({0, 'M'})},
        EventCase{"Down", {KeyDown(SDLK_DOWN)}, Chars({0, 'P'})},
        EventCase{"ShiftDown", {KeyDown(SDLK_DOWN, KMOD_LSHIFT)}, Chars({0, 'P'})},
        EventCase{"CtrlLeft", {KeyDown(SDLK_LEFT, KMOD_LCTRL)}, Chars({0, 's'})},
        EventCase{"CtrlRight", {KeyDown(SDLK_RIGHT, KMOD_RCTRL)}, Chars({0, 't'})},
        EventCase{"Home", {KeyDown(SDLK_HOME)}, Chars({0, 'G'})},
        EventCase{"End", {KeyDown(SDLK_END)}, Chars({0, 'O'})},
        EventCase{"PageUp", {KeyDown(SDLK_PAGEUP)}, Chars({0, 'I'})},
        EventCase{"PageDown", {KeyDown(SDLK_PAGEDOWN)}, Chars({0, 'Q'})},
        EventCase{"Insert", {KeyDown(SDLK_INSERT)}, Chars({0, 'R'})},
        EventCase{"Delete", {KeyDown(SDLK_DELETE)}, Chars({0, 'S'})},
        EventCase{"F1", {KeyDown(SDLK_F1)}, Chars({0, ';'})},
        EventCase{"F10", {KeyDown(SDLK_F10)}, Chars({0, 'D'})},
        EventCase{"AltF4", {KeyDown(SDLK_F4, KMOD_LALT)}, Chars({0, 'k'})},
        EventCase{"CloseBox", {WindowClose()}, Chars({0, 'k'})},
        EventCase{"KeypadUpWithoutNumLock", {KeyDown(SDLK_KP_8)}, Chars({0, 'H'})},
        EventCase{"KeypadEightWithNumLock", {KeyDown(SDLK_KP_8, KMOD_NUM), Text("8")}, "8"},
        EventCase{"EWithAcute", {Text("\xc3\xa9")}, "\xe9"},
        EventCase{"Euro", {Text("\xe2\x82\xac")}, "\x80"},
        EventCase{"OutsideWindows1252", {Text("\xe4\xb8\xad")}, ""}),
    [](const ::testing::TestParamInfo<EventCase>& info) { return std::string(info.param.what); });

TEST(SdlKeyPress, ShiftHGivesTheUpArrowsCodeAndLowerCaseHDoesNot) {
    const std::string shiftH = Collect({KeyDown(SDLK_h, KMOD_LSHIFT), Text("H")});
    const std::string up = Collect({KeyDown(SDLK_UP)});
    const std::string h = Collect({KeyDown(SDLK_h), Text("h")});
    EXPECT_EQ(shiftH, std::string(1, up[1]));
    EXPECT_NE(h, std::string(1, up[1]));
}

// The real window on SDL's offscreen driver, asked for explicitly: no display is needed.
class OffscreenWindow : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        std::string why;
        ASSERT_TRUE(window.open("Morvenbek data presentation", why)) << why;
    }
    void TearDown() override {
        window.close();
        unsetenv("SDL_VIDEODRIVER");
    }
    SdlBackend window;
};

TEST_F(OffscreenWindow, TurnsQueuedEventsIntoKeysInTheirOrder) {
    const std::vector<SDL_Event> events = {KeyDown(SDLK_h, KMOD_LSHIFT), Text("H"), KeyDown(SDLK_RETURN),
                                           KeyDown(SDLK_UP), WindowClose()};
    for (SDL_Event event : events) ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    KeyBuffer buffer;
    window.waitForKey(buffer, PaletteImage{});
    EXPECT_EQ(Drain(buffer), Chars({'H', 13, 0, 'H', 0, 'k'}));
}

}  // namespace
