// Keys read from the terminal, turned into the key codes the game expects.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

namespace kiv {

// Reads what the terminal sends for the keys, escape sequences included,
// character by character, as decoded from the locale's character set.
class KeyDecoder {
 public:
  // How long the rest of an escape sequence may take to come; a lone Esc
  // is known as one when nothing has followed it for this long.
  static constexpr int kEscapeDelayMs = 25;

  // Takes one character and appends the codes of the key it completes, if
  // any, to `codes`: Enter 13,
  // Backspace 8 (also 127), Tab 9, Esc 27, other control keys as they are; the
  // arrows, Home, End, PgUp, PgDn, Ins and Del 224 then their scan code, and
  // F1 to F10 0 then 59 to 68, in every form xterm, the Linux console,
  // screen, tmux and rxvt send them; a typed character as its code page 857
  // byte. NUL, a character without a byte and an escape sequence the game
  // has no key for are no key. Returns true for Ctrl-C: the player wants out.
  bool feed(char32_t ch, std::deque<int>& codes);
  // True while an escape sequence has begun and not ended.
  bool pending() const { return !sequence_.empty(); }
  // Nothing more came within the escape delay: a lone Esc is the Esc key,
  // the start of a longer sequence is no key.
  void expire(std::deque<int>& codes);

 private:
  void finish(std::deque<int>& codes);
  std::string sequence_;  // what came after the ESC, the ESC included
};

}  // namespace kiv
