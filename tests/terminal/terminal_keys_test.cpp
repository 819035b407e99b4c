// What the terminal sends for the keys arrives as the game's key codes.
#include "kiv/terminal/terminal_keys.h"

#include <gtest/gtest.h>

#include <vector>

namespace kiv {
namespace {

using namespace std::string_literals;

// Feeds `sent` as one read, then lets the escape delay pass; -1 stands for Ctrl-C.
std::vector<int> decode(const std::u32string& sent) {
  KeyDecoder decoder;
  std::deque<int> codes;
  for (char32_t ch : sent)
    if (decoder.feed(ch, codes)) codes.push_back(-1);
  decoder.expire(codes);
  EXPECT_FALSE(decoder.pending());
  return {codes.begin(), codes.end()};
}

TEST(KeyDecoder, EveryFormOfEachKeyBecomesTheGamesCodesAndNothingElseIsAKey) {
  const struct { std::u32string sent; std::vector<int> codes; } keys[] = {
      {U"\r", {13}}, {U"\n", {13}}, {U"\x7f", {8}}, {U"\b", {8}}, {U"\t", {9}}, {U"\x1b", {27}}, {U"a", {'a'}},
      {U" ", {32}}, {U"ş", {0x9F}}, {U"İ", {0x98}}, {U"Ğ", {0xA6}}, {U"€", {}}, {U"☺", {}},
      // Arrows: xterm in normal and in application cursor mode, the Linux console, screen, tmux, rxvt.
      {U"\x1b[A", {224, 72}}, {U"\x1bOA", {224, 72}}, {U"\x1b[B", {224, 80}}, {U"\x1bOB", {224, 80}},
      {U"\x1b[D", {224, 75}}, {U"\x1bOD", {224, 75}}, {U"\x1b[C", {224, 77}}, {U"\x1bOC", {224, 77}},
      // Home, End (xterm; Linux console, screen and tmux; rxvt), PgUp, PgDn, Ins, Del.
      {U"\x1b[H", {224, 71}}, {U"\x1bOH", {224, 71}}, {U"\x1b[1~", {224, 71}}, {U"\x1b[7~", {224, 71}},
      {U"\x1b[F", {224, 79}}, {U"\x1bOF", {224, 79}}, {U"\x1b[4~", {224, 79}}, {U"\x1b[8~", {224, 79}},
      {U"\x1b[5~", {224, 73}}, {U"\x1b[6~", {224, 81}}, {U"\x1b[2~", {224, 82}}, {U"\x1b[3~", {224, 83}},
      // F1 to F4 as xterm, screen and tmux (SS3), rxvt (CSI n ~) and the Linux console (CSI [ A) send them; F5 to F10.
      {U"\x1bOP", {0, 59}}, {U"\x1b[11~", {0, 59}}, {U"\x1b[[A", {0, 59}}, {U"\x1bOQ", {0, 60}}, {U"\x1b[12~", {0, 60}},
      {U"\x1b[[B", {0, 60}}, {U"\x1bOR", {0, 61}}, {U"\x1b[13~", {0, 61}}, {U"\x1b[[C", {0, 61}}, {U"\x1bOS", {0, 62}},
      {U"\x1b[14~", {0, 62}}, {U"\x1b[[D", {0, 62}}, {U"\x1b[15~", {0, 63}}, {U"\x1b[[E", {0, 63}},
      {U"\x1b[17~", {0, 64}}, {U"\x1b[18~", {0, 65}}, {U"\x1b[19~", {0, 66}}, {U"\x1b[20~", {0, 67}},
      {U"\x1b[21~", {0, 68}},
      // Several keys in one read, and what is no key: NUL (Ctrl-Space), unknown
      // sequences (F12, Ctrl-Up, Alt-x), one broken off.
      {U"\x1b[A\x1bOB\x1b", {224, 72, 224, 80, 27}}, {U"\x1b\x1b", {27, 27}}, {U"\x1b\r", {27, 13}},
      {U"\0a"s, {'a'}}, {U"\x1b[24~", {}}, {U"\x1b[1;5A", {}}, {U"\x1bx", {}}, {U"\x1b[", {}}, {U"\x1bO", {}},
      {U"\x1b[99~a", {'a'}}, {U"\x1b[12\r", {13}},
      {U"\x03", {-1}}, {U"\x1b\x03", {27, -1}}};  // Ctrl-C: the way out, after an Esc too
  for (const auto& [sent, codes] : keys) {
    std::string shown;
    for (char32_t ch : sent) shown += ch == 0x1B ? std::string("ESC") : ch < 0x80 ? std::string(1, char(ch)) : "?";
    EXPECT_EQ(decode(sent), codes) << shown;
  }
}

}  // namespace
}  // namespace kiv
