// The player's character set: the game's code page 857 glyphs written in it, or their stand-ins, and keys read in it.
#pragma once

#include <clocale>
#include <cstdint>
#include <cwchar>
#include <string>
#include <string_view>
#include <vector>

namespace kiv {

// What shows a code page 857 byte where the character set has no character
// for it: the closest plain character (a Turkish letter without its marks,
// '#' for a shade or block, '?' for a sign without a likeness), and for box
// and shade glyphs the terminal's line-drawing character (VT100 letters:
// 'a' the checkerboard, '0' the solid block, 'q' a line ...), or 0.
struct StandIn {
  char plain;
  char lineDrawing;
};
StandIn standInFor(std::uint8_t byte);

class TerminalCharset {
 public:
  // The character set of the LC_CTYPE locale in force. A locale whose
  // character set is plain ASCII (C, POSIX, or one that is not installed)
  // reads what the terminal sends as UTF-8, as nearly every terminal sends it.
  TerminalCharset();
  ~TerminalCharset();
  TerminalCharset(const TerminalCharset&) = delete;
  TerminalCharset& operator=(const TerminalCharset&) = delete;

  // The bytes that show code page 857 byte `byte` (as codepage::toUnicode
  // has it) in this character set; empty when it has no such character.
  const std::string& encoded(std::uint8_t byte) const { return encoded_[byte]; }
  // True when all twelve Turkish letters show as themselves.
  bool showsTurkish() const { return turkish_; }
  // `text` (code page 857) in this character set, each character it cannot
  // encode as its plain stand-in, control characters left out: for a title.
  std::string plainText(std::string_view text) const;

  // Takes bytes as the terminal sent them and appends the characters they
  // complete to `out`; a character split across two calls is completed by
  // the second. A malformed sequence is dropped; an ASCII byte that broke
  // one off still counts.
  void decode(std::string_view bytes, std::u32string& out);

 private:
  std::vector<std::string> encoded_;
  bool turkish_ = false;
  locale_t input_ = static_cast<locale_t>(nullptr);  // the locale keys are read in
  std::mbstate_t state_{};
};

}  // namespace kiv
