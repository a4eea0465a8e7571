#include "sdl_keymap.h"

#include <SDL.h>

#include <array>

namespace {

// The code characters of the keys without a character, as plain, Shift, Ctrl and Alt give them.
struct ExtendedCodes {
    SDL_Keycode symbol;
    uint8_t plain, shift, ctrl, alt;
};

constexpr std::array<ExtendedCodes, 22> kExtended = {{
    {SDLK_UP, 'H', 'H', 0x8D, 0x98},       {SDLK_LEFT, 'K', 'K', 's', 0x9B},
    {SDLK_RIGHT, 'M', 'M', 't', 0x9D},     {SDLK_DOWN, 'P', 'P', 0x91, 0xA0},
    {SDLK_HOME, 'G', 'G', 'w', 0x97},      {SDLK_END, 'O', 'O', 'u', 0x9F},
    {SDLK_PAGEUP, 'I', 'I', 0x84, 0x99},   {SDLK_PAGEDOWN, 'Q', 'Q', 'v', 0xA1},
    {SDLK_INSERT, 'R', 'R', 0x92, 0xA2},   {SDLK_DELETE, 'S', 'S', 0x93, 0xA3},
    {SDLK_F1, ';', 'T', '^', 'h'},         {SDLK_F2, '<', 'U', '_', 'i'},
    {SDLK_F3, '=', 'V', '`', 'j'},         {SDLK_F4, '>', 'W', 'a', 'k'},
    {SDLK_F5, '?', 'X', 'b', 'l'},         {SDLK_F6, '@', 'Y', 'c', 'm'},
    {SDLK_F7, 'A', 'Z', 'd', 'n'},         {SDLK_F8, 'B', '[', 'e', 'o'},
    {SDLK_F9, 'C', '\\', 'f', 'p'},        {SDLK_F10, 'D', ']', 'g', 'q'},
    {SDLK_F11, 0x85, 0x87, 0x89, 0x8B},    {SDLK_F12, 0x86, 0x88, 0x8A, 0x8C},
}};

// With Num Lock off the keypad digits are the editing and arrow keys; with it on they type.
SDL_Keycode KeypadAsEditingKey(SDL_Keycode symbol) {
    switch (symbol) {
        case SDLK_KP_8: return SDLK_UP;
        case SDLK_KP_4: return SDLK_LEFT;
        case SDLK_KP_6: return SDLK_RIGHT;
        case SDLK_KP_2: return SDLK_DOWN;
        case SDLK_KP_7: return SDLK_HOME;
        case SDLK_KP_1: return SDLK_END;
        case SDLK_KP_9: return SDLK_PAGEUP;
        case SDLK_KP_3: return SDLK_PAGEDOWN;
        case SDLK_KP_0: return SDLK_INSERT;
        case SDLK_KP_PERIOD: return SDLK_DELETE;
        default: return symbol;
    }
}

// Unicode code points of the Windows-1252 bytes 0x80 to 0x9F (0 where the byte is unused).
constexpr std::array<uint16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::optional<uint8_t> Windows1252(char32_t point) {
    if (point < 0x80 || (point >= 0xA0 && point <= 0xFF)) return uint8_t(point);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] != 0 && kHighControls[i] == point) return uint8_t(0x80 + i);
    return std::nullopt;
}

}  // namespace

std::optional<Key> KeyFromKeyDown(int32_t symbol, uint16_t modifiers) {
    const bool ctrl = modifiers & KMOD_CTRL;
    const bool alt = modifiers & KMOD_ALT;
    const bool shift = modifiers & KMOD_SHIFT;
    if (!(modifiers & KMOD_NUM)) symbol = KeypadAsEditingKey(symbol);

    switch (symbol) {
        case SDLK_RETURN:
        case SDLK_RETURN2:
        case SDLK_KP_ENTER: return keys::Enter;
        case SDLK_ESCAPE: return keys::Escape;
        case SDLK_BACKSPACE: return keys::Backspace;
        case SDLK_TAB: return shift ? Key::Ext(0x0F) : keys::Tab;
        default: break;
    }
    for (const ExtendedCodes& codes : kExtended) {
        if (codes.symbol != symbol) continue;
        return Key::Ext(alt ? codes.alt : ctrl ? codes.ctrl : shift ? codes.shift : codes.plain);
    }
    // Ctrl+letter types no text; it gives the letter's control character.
    if (ctrl && symbol >= SDLK_a && symbol <= SDLK_z) return Key::Char(uint8_t(symbol - SDLK_a + 1));
    return std::nullopt;
}

void KeysFromText(std::string_view utf8, KeyBuffer& keys) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = uint8_t(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0) {  // a stray continuation byte
            ++i;
            continue;
        }
        char32_t point = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int k = 1; k < length && i + k < utf8.size(); ++k)
            point = (point << 6) | (uint8_t(utf8[i + k]) & 0x3F);
        i += length;
        if (point < 0x20 || point == 0x7F) continue;  // control keys come as key events
        if (const auto byte = Windows1252(point)) keys.push(Key::Char(*byte));
    }
}

void CollectKeys(const SDL_Event& event, KeyBuffer& keys) {
    switch (event.type) {
        case SDL_KEYDOWN:
            if (const auto key = KeyFromKeyDown(event.key.keysym.sym, event.key.keysym.mod)) keys.push(*key);
            break;
        case SDL_TEXTINPUT: KeysFromText(event.text.text, keys); break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) keys.push(keys::Close);
            break;
        default: break;
    }
}
