#pragma once
// How SDL's keyboard and window events become keys. SDL reports a key press twice: as a key
// event (symbol always lower-case) and, for keys that type a printable character, as text
// input. Printable characters are taken from the text only; the key events give only the keys
// that type nothing printable (Enter, Escape, Tab, Backspace, Ctrl+letter, arrows, editing and
// function keys). So every key press yields exactly one character or one 0-and-code pair.
#include <cstdint>
#include <optional>
#include <string_view>

#include "keybuffer.h"
#include "keys.h"

union SDL_Event;

// The key of a key event, or nothing when the key types a printable character (its text input
// event carries it) or means nothing here. `symbol` is an SDL_Keycode, `modifiers` SDL_Keymod.
std::optional<Key> KeyFromKeyDown(int32_t symbol, uint16_t modifiers);
// The Windows-1252 characters of UTF-8 text input; characters outside Windows-1252 are dropped.
void KeysFromText(std::string_view utf8, KeyBuffer& keys);
// Adds to the buffer the keys an event carries: key presses, text input and a close request.
void CollectKeys(const SDL_Event& event, KeyBuffer& keys);
