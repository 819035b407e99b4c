// Keys read from the terminal, turned into the key codes the game expects.
#pragma once

#include <cstdint>

namespace kiv {

struct TypedKey {
  enum Kind {
    kIgnored,    // nothing for the game (a resize, a key the game has no code for)
    kCodes,      // one or two key codes, in `codes`
    kInterrupt,  // Ctrl-C: the player wants out
  };
  Kind kind = kIgnored;
  int count = 0;
  int codes[2] = {};
};

// Translates one key as curses' wide-character reader gives it: a key code
// (`isKeyCode`, curses' KEY_ values) or a typed Unicode character. Enter is
// 13, Backspace 8, Tab 9, Esc 27; arrows, Home, End, PgUp, PgDn, Ins and Del
// are 224 then their scan code; F1 to F10 are 0 then 59 to 68; a typed
// character is its code page 857 byte, and one without a byte is ignored.
TypedKey translateKey(bool isKeyCode, std::uint32_t value);

}  // namespace kiv
