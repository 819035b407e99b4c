// Keys of a web page's keyboard, turned into the key codes the game expects.
#pragma once

#include <string_view>

namespace kiv {

// The key codes one key press gives the game: none, one, or two (an
// extended or function key).
struct WebKey {
  int count = 0;
  int codes[2] = {};
};

// Translates a key as the browser names it (KeyboardEvent.key, in UTF-8):
// "Enter" 13, "Backspace" 8, "Tab" 9, "Escape" 27; the arrows, "Home",
// "End", "PageUp", "PageDown", "Insert" and "Delete" are 224 (marked as the
// first of two codes) then their scan code; "F1" to "F10" are 0 (marked) then
// 59 to 68; a typed character (the name is
// that one character) is its code page 857 byte. Anything else (Shift, a
// dead key, F11, a character code page 857 has no byte for) gives no code.
WebKey webKey(std::string_view name);

}  // namespace kiv
