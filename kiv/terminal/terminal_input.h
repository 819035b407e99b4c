// The keys the player types, read from the terminal as they come.
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "kiv/terminal/terminal_keys.h"

namespace kiv {

class TerminalCharset;

class TerminalInput {
 public:
  using Clock = KeyDecoder::Clock;

  // Reads terminal `fd` in `charset`; both must outlive it.
  TerminalInput(int fd, TerminalCharset& charset) : fd_(fd), charset_(charset) {}

  // Reads all the terminal has sent, noting when it came, and decodes it
  // into device codes. False when the terminal is gone.
  bool readAvailable();
  // True when a code is ready to hand on (a lone Esc once nothing came with it).
  bool keyReady();
  // The next code; keyReady() must be true.
  int takeKey();
  // When a key begun but not known to be whole will be: the latest a wait
  // for keys may sleep. Nothing when none has begun.
  std::optional<Clock::time_point> decidesAt() const { return decoder_.endsAt(); }

 private:
  int fd_;
  TerminalCharset& charset_;
  KeyDecoder decoder_;
  std::deque<int> codes_;
  std::u32string typed_;
};

}  // namespace kiv
