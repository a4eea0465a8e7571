#pragma once
// One key as the key reader delivers it: an ordinary key is one Windows-1252 character, a key
// without a character is 0 followed by a code character.
#include <cstdint>

struct Key {
    bool extended = false;  // true: delivered as 0, then `code`
    uint8_t code = 0;       // the character, or the code character of an extended key

    static constexpr Key Char(uint8_t c) { return {false, c}; }
    static constexpr Key Ext(uint8_t c) { return {true, c}; }
    constexpr bool operator==(const Key&) const = default;
};

namespace keys {
inline constexpr Key Up = Key::Ext('H');
inline constexpr Key Left = Key::Ext('K');
inline constexpr Key Right = Key::Ext('M');
inline constexpr Key Down = Key::Ext('P');
inline constexpr Key Home = Key::Ext('G');
inline constexpr Key End = Key::Ext('O');
inline constexpr Key PageUp = Key::Ext('I');
inline constexpr Key PageDown = Key::Ext('Q');
inline constexpr Key Insert = Key::Ext('R');
inline constexpr Key Delete = Key::Ext('S');
inline constexpr Key CtrlLeft = Key::Ext('s');
inline constexpr Key CtrlRight = Key::Ext('t');
inline constexpr Key Close = Key::Ext('k');  // the window's close box, Alt+F4
inline constexpr Key Enter = Key::Char(13);
inline constexpr Key Escape = Key::Char(27);
inline constexpr Key Tab = Key::Char(9);
inline constexpr Key Backspace = Key::Char(8);
inline constexpr Key Space = Key::Char(' ');
constexpr Key F(int n) { return Key::Ext(uint8_t(';' + n - 1)); }  // F1 to F10
}  // namespace keys
