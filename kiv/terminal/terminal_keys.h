// Keys read from the terminal, turned into the key codes the game expects.
#pragma once

#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace kiv {

// Reads what the terminal sends for the keys, escape sequences included,
// character by character as decoded from the locale's character set, each
// with the moment it was read. A key's bytes reach us together; so an Esc
// and what came with it are one key (a known sequence, or an Alt chord the
// game has no code for: dropped whole), while an Esc that came apart from
// what follows is the Esc key and the rest are the next keys, in order.
class KeyDecoder {
 public:
  using Clock = std::chrono::steady_clock;
  // Characters read within this time of the one before them came together.
  static constexpr std::chrono::milliseconds kTogether{25};

  // Takes the characters read at `at` (no earlier than the last call's) and
  // appends the device codes of the keys they complete to `codes`: Enter 13
  // (CR, LF, or CR and LF together), Backspace 8 (also 127), Tab 9, Esc 27,
  // other control keys as they are; the arrows, Home, End, PgUp, PgDn, Ins
  // and Del 224 (marked as the first of two codes) then their scan code, F1
  // to F10 0 (marked) then 59 to 68, in every form xterm, the Linux console,
  // screen, tmux and rxvt send them; a typed character as its code page 857
  // byte. NUL, a character without a byte and an escape sequence the game has
  // no key for are no key.
  void feed(std::u32string_view chars, Clock::time_point at, std::deque<int>& codes);
  // Finishes, once nothing came with it, a key that may go on: by `now` a
  // lone Esc is the Esc key, a sequence broken off is no key.
  void expire(Clock::time_point now, std::deque<int>& codes);
  // When a key that may go on is known to have ended; nothing when none is.
  std::optional<Clock::time_point> endsAt() const;

 private:
  void feedOne(char32_t ch, std::deque<int>& codes);
  void finish(std::deque<int>& codes);
  std::string sequence_;        // the ESC and what came with it so far
  bool alt_ = false;            // an Esc came with the key being read: an Alt chord
  bool afterCr_ = false;        // the last character was a CR
  Clock::time_point lastAt_{};  // when the last character came
};

}  // namespace kiv
