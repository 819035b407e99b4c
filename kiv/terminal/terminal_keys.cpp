// The terminal's characters and escape sequences to the game's key codes.
#include "kiv/terminal/terminal_keys.h"

#include "kiv/core/codepage.h"
#include "kiv/core/key_codes.h"

namespace kiv {
namespace {

constexpr char32_t kEsc = 0x1B;
constexpr std::size_t kLongest = 16;  // longer is no key's sequence: dropped

struct Sequence {
  const char* text;      // after the ESC
  std::string_view key;  // as recordings name it
};

// CSI (ESC [) and SS3 (ESC O) forms: xterm in either cursor mode, the Linux
// console (ESC [ [ A for F1), screen and tmux, rxvt (ESC [ 7 ~ for Home).
constexpr Sequence kSequences[] = {
    {"[A", "Up"},    {"OA", "Up"},   {"[B", "Down"},  {"OB", "Down"},  {"[D", "Left"},  {"OD", "Left"}, {"[C", "Right"},
    {"OC", "Right"}, {"[H", "Home"}, {"OH", "Home"},  {"[1~", "Home"}, {"[7~", "Home"}, {"[F", "End"},  {"OF", "End"},
    {"[4~", "End"},  {"[8~", "End"}, {"[5~", "PgUp"}, {"[6~", "PgDn"}, {"[2~", "Ins"},  {"[3~", "Del"}, {"OP", "F1"},
    {"[11~", "F1"},  {"[[A", "F1"},  {"OQ", "F2"},    {"[12~", "F2"},  {"[[B", "F2"},   {"OR", "F3"},   {"[13~", "F3"},
    {"[[C", "F3"},   {"OS", "F4"},   {"[14~", "F4"},  {"[[D", "F4"},   {"[15~", "F5"},  {"[[E", "F5"},  {"[17~", "F6"},
    {"[18~", "F7"},  {"[19~", "F8"}, {"[20~", "F9"},  {"[21~", "F10"},
};

}  // namespace

void KeyDecoder::finish(std::deque<int>& codes) {
  for (const Sequence& known : kSequences) {
    if (sequence_.compare(1, std::string::npos, known.text) != 0) continue;
    const key::NamedKey* named = key::byName(known.key);
    if (named != nullptr && !alt_) {
      codes.push_back(key::markedFirst(named->first));
      codes.push_back(named->second);
    }
    break;
  }
  sequence_.clear();
  alt_ = false;
}

std::optional<KeyDecoder::Clock::time_point> KeyDecoder::endsAt() const {
  if (sequence_.empty()) return std::nullopt;
  return lastAt_ + kTogether;
}

void KeyDecoder::expire(Clock::time_point now, std::deque<int>& codes) {
  if (sequence_.empty() || now < lastAt_ + kTogether) return;
  if (sequence_.size() == 1 && !alt_) codes.push_back(key::kEscape);
  sequence_.clear();
  alt_ = false;
}

void KeyDecoder::feed(std::u32string_view chars, Clock::time_point at, std::deque<int>& codes) {
  if (at > lastAt_ + kTogether) {
    expire(at, codes);  // what was waiting for more came apart from these
    afterCr_ = false;
  }
  lastAt_ = at;
  for (char32_t ch : chars) feedOne(ch, codes);
}

void KeyDecoder::feedOne(char32_t ch, std::deque<int>& codes) {
  const bool lineFeedOfCrLf = afterCr_ && ch == '\n';
  afterCr_ = ch == '\r';
  if (lineFeedOfCrLf) return;      // CR LF: one Enter
  if (sequence_.size() == 1) {     // an ESC, and now what came with it
    if (ch == '[' || ch == 'O') {  // CSI or SS3
      sequence_ += static_cast<char>(ch);
      return;
    }
    if (ch == kEsc) {  // Alt with a key that starts with ESC itself
      alt_ = true;
      return;
    }
    sequence_.clear();  // Alt with a key: the game has no code for it
    alt_ = false;
    return;
  }
  if (!sequence_.empty()) {  // inside a CSI or SS3 sequence
    if (ch >= 0x20 && ch < 0x7F && sequence_.size() < kLongest) {
      const bool linuxFunctionKey = sequence_ == "\x1b[[";  // its next character ends it
      const bool opensLinuxFunctionKey = sequence_ == "\x1b[" && ch == '[';
      const bool parameter = sequence_[1] == '[' ? ch < 0x40 : ch >= 0x30 && ch < 0x40;
      sequence_ += static_cast<char>(ch);
      if (linuxFunctionKey || (!opensLinuxFunctionKey && !parameter)) finish(codes);
      return;
    }
    sequence_.clear();  // broken off: what came is a key of its own
    alt_ = false;
  }
  switch (ch) {
    case kEsc:
      sequence_.assign(1, '\x1b');
      return;
    case '\r':
    case '\n':
      codes.push_back(key::kEnter);
      return;
    case 8:
    case 127:
      codes.push_back(key::kBackspace);
      return;
    case 0:
      return;  // Ctrl-Space: no key (the game would read it as the start of F1 to F10)
    default:
      break;
  }
  if (ch < 0x20) {
    codes.push_back(static_cast<int>(ch));  // Tab and the other control keys as they are
    return;
  }
  if (const auto byte = codepage::fromUnicode(ch)) codes.push_back(*byte);
}

}  // namespace kiv
