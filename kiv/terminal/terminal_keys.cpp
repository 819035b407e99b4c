// The terminal's characters and escape sequences to the game's key codes.
#include "kiv/terminal/terminal_keys.h"

#include "kiv/core/codepage.h"
#include "kiv/core/device.h"

namespace kiv {
namespace {

constexpr char32_t kEsc = 0x1B;
constexpr std::size_t kLongest = 16;  // longer is no key's sequence: dropped

struct Sequence {
  const char* text;  // after the ESC
  int first;
  int second;
};

// CSI (ESC [) and SS3 (ESC O) forms: xterm in either cursor mode, the Linux
// console (ESC [ [ A for F1), screen and tmux, rxvt (ESC [ 7 ~ for Home).
constexpr Sequence kSequences[] = {
    {"[A", key::kExtended, key::kUp},       {"OA", key::kExtended, key::kUp},
    {"[B", key::kExtended, key::kDown},     {"OB", key::kExtended, key::kDown},
    {"[D", key::kExtended, key::kLeft},     {"OD", key::kExtended, key::kLeft},
    {"[C", key::kExtended, key::kRight},    {"OC", key::kExtended, key::kRight},
    {"[H", key::kExtended, key::kHome},     {"OH", key::kExtended, key::kHome},
    {"[1~", key::kExtended, key::kHome},    {"[7~", key::kExtended, key::kHome},
    {"[F", key::kExtended, key::kEnd},      {"OF", key::kExtended, key::kEnd},
    {"[4~", key::kExtended, key::kEnd},     {"[8~", key::kExtended, key::kEnd},
    {"[5~", key::kExtended, key::kPageUp},  {"[6~", key::kExtended, key::kPageDown},
    {"[2~", key::kExtended, key::kInsert},  {"[3~", key::kExtended, key::kDelete},
    {"OP", key::kFunction, key::kF1},       {"[11~", key::kFunction, key::kF1},
    {"[[A", key::kFunction, key::kF1},      {"OQ", key::kFunction, key::kF1 + 1},
    {"[12~", key::kFunction, key::kF1 + 1}, {"[[B", key::kFunction, key::kF1 + 1},
    {"OR", key::kFunction, key::kF1 + 2},   {"[13~", key::kFunction, key::kF1 + 2},
    {"[[C", key::kFunction, key::kF1 + 2},  {"OS", key::kFunction, key::kF1 + 3},
    {"[14~", key::kFunction, key::kF1 + 3}, {"[[D", key::kFunction, key::kF1 + 3},
    {"[15~", key::kFunction, key::kF1 + 4}, {"[[E", key::kFunction, key::kF1 + 4},
    {"[17~", key::kFunction, key::kF1 + 5}, {"[18~", key::kFunction, key::kF1 + 6},
    {"[19~", key::kFunction, key::kF1 + 7}, {"[20~", key::kFunction, key::kF1 + 8},
    {"[21~", key::kFunction, key::kF1 + 9},
};

}  // namespace

void KeyDecoder::finish(std::deque<int>& codes) {
  for (const Sequence& known : kSequences) {
    if (sequence_.compare(1, std::string::npos, known.text) != 0) continue;
    codes.push_back(known.first);
    codes.push_back(known.second);
    break;
  }
  sequence_.clear();
}

void KeyDecoder::expire(std::deque<int>& codes) {
  if (sequence_.size() == 1) codes.push_back(key::kEscape);
  sequence_.clear();
}

bool KeyDecoder::feed(char32_t ch, std::deque<int>& codes) {
  if (pending() && sequence_.size() == 1) {
    if (ch == '[' || ch == 'O') {  // CSI or SS3
      sequence_ += static_cast<char>(ch);
      return false;
    }
    sequence_.clear();
    if (ch >= 0x20 && ch != 0x7F) return false;  // Alt with a key: the game has no code for it
    codes.push_back(key::kEscape);               // Esc, then a control key (another Esc, Enter, Ctrl-C)
  }
  if (pending()) {  // inside a CSI or SS3 sequence
    if (ch >= 0x20 && ch < 0x7F && sequence_.size() < kLongest) {
      const bool linuxFunctionKey = sequence_ == "\x1b[[";  // its next character ends it
      const bool opensLinuxFunctionKey = sequence_ == "\x1b[" && ch == '[';
      const bool parameter = sequence_[1] == '[' ? ch < 0x40 : ch >= 0x30 && ch < 0x40;
      sequence_ += static_cast<char>(ch);
      if (linuxFunctionKey || (!opensLinuxFunctionKey && !parameter)) finish(codes);
      return false;
    }
    sequence_.clear();  // broken off: what came is a key of its own
  }
  switch (ch) {
    case kEsc:
      sequence_.assign(1, '\x1b');
      return false;
    case '\r':
    case '\n':
      codes.push_back(key::kEnter);
      return false;
    case 8:
    case 127:
      codes.push_back(key::kBackspace);
      return false;
    case 3:
      return true;
    case 0:
      return false;  // Ctrl-Space: no key (the game would read it as the start of F1 to F10)
    default:
      break;
  }
  if (ch < 0x20) {
    codes.push_back(static_cast<int>(ch));  // Tab and the other control keys as they are
    return false;
  }
  if (const auto byte = codepage::fromUnicode(ch)) codes.push_back(*byte);
  return false;
}

}  // namespace kiv
