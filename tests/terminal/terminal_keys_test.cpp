// What the terminal sends for the keys arrives as the game's key codes.
#include "kiv/terminal/terminal_keys.h"

#include <gtest/gtest.h>

#include <vector>

namespace kiv {
namespace {

using namespace std::string_literals;

using Clock = KeyDecoder::Clock;
constexpr int X = 0x100;  // marks the first code of a two-code key

// Feeds each of `reads` as the terminal's bytes read at its moment (in ms
// from the start), then lets a second pass.
std::vector<int> decodeReads(const std::vector<std::pair<int, std::u32string>>& reads) {
  KeyDecoder decoder;
  std::deque<int> codes;
  const Clock::time_point start = Clock::now();
  for (const auto& [ms, sent] : reads) decoder.feed(sent, start + std::chrono::milliseconds(ms), codes);
  decoder.expire(start + std::chrono::seconds(1) + std::chrono::milliseconds(reads.back().first), codes);
  EXPECT_FALSE(decoder.endsAt().has_value());
  return {codes.begin(), codes.end()};
}

std::vector<int> decode(const std::u32string& sent) { return decodeReads({{0, sent}}); }

TEST(KeyDecoder, EveryFormOfEachKeyBecomesTheGamesCodesAndNothingElseIsAKey) {
  const struct {
    std::vector<std::u32string> forms;  // each sent on its own
    std::vector<int> codes;
  } keys[] = {
      {{U"\r", U"\n", U"\r\n"}, {13}},  // CR LF together is one Enter
      {{U"\x7f", U"\b"}, {8}},
      {{U"\t"}, {9}},
      {{U"\x1b"}, {27}},
      {{U"a", U"\0a"s, U"\x1b[99~a"}, {'a'}},  // NUL (Ctrl-Space) and an unknown sequence are no key
      {{U" "}, {32}},
      {{U"ş"}, {0x9F}},
      {{U"İ"}, {0x98}},
      {{U"Ğ"}, {0xA6}},
      // Arrows: xterm in normal and in application cursor mode, the Linux console, screen, tmux, rxvt.
      {{U"\x1b[A", U"\x1bOA"}, {X + 224, 72}},
      {{U"\x1b[B", U"\x1bOB"}, {X + 224, 80}},
      {{U"\x1b[D", U"\x1bOD"}, {X + 224, 75}},
      {{U"\x1b[C", U"\x1bOC"}, {X + 224, 77}},
      // Home, End (xterm; Linux console, screen and tmux; rxvt), PgUp, PgDn, Ins, Del.
      {{U"\x1b[H", U"\x1bOH", U"\x1b[1~", U"\x1b[7~"}, {X + 224, 71}},
      {{U"\x1b[F", U"\x1bOF", U"\x1b[4~", U"\x1b[8~"}, {X + 224, 79}},
      {{U"\x1b[5~"}, {X + 224, 73}},
      {{U"\x1b[6~"}, {X + 224, 81}},
      {{U"\x1b[2~"}, {X + 224, 82}},
      {{U"\x1b[3~"}, {X + 224, 83}},
      // F1 to F4 as xterm, screen and tmux (SS3), rxvt (CSI n ~) and the Linux console (CSI [ A) send them; F5 to F10.
      {{U"\x1bOP", U"\x1b[11~", U"\x1b[[A"}, {X, 59}},
      {{U"\x1bOQ", U"\x1b[12~", U"\x1b[[B"}, {X, 60}},
      {{U"\x1bOR", U"\x1b[13~", U"\x1b[[C"}, {X, 61}},
      {{U"\x1bOS", U"\x1b[14~", U"\x1b[[D"}, {X, 62}},
      {{U"\x1b[15~", U"\x1b[[E"}, {X, 63}},
      {{U"\x1b[17~"}, {X, 64}},
      {{U"\x1b[18~"}, {X, 65}},
      {{U"\x1b[19~"}, {X, 66}},
      {{U"\x1b[20~"}, {X, 67}},
      {{U"\x1b[21~"}, {X, 68}},
      // Several keys in one read; what is no key: letters without a code page byte, unknown sequences (F12,
      // Ctrl-Up), one broken off, Alt chords (Alt-x, Alt-Enter, Alt-Esc, Alt-Up, Alt-Ctrl-C).
      {{U"\x1b[A\x1bOB\x1b"}, {X + 224, 72, X + 224, 80, 27}},
      {{U"\r\r\n\n"}, {13, 13, 13}},
      {{U"€", U"☺", U"\x1b[24~", U"\x1b[1;5A", U"\x1b[", U"\x1bO", U"\x1bx", U"\x1b\r", U"\x1b\x1b", U"\x1b\x1b[A",
        U"\x1b\x03"},
       {}},
      {{U"\x1b[12\r"}, {13}},
      {{U"\n\r"}, {13, 13}},
      {{U"\x03"}, {3}},
      {{U"\x1bLAMBA"}, {'A', 'M', 'B', 'A'}}};
  for (const auto& [forms, codes] : keys)
    for (const std::u32string& sent : forms) {
      std::string shown;
      for (char32_t ch : sent) shown += ch == 0x1B ? std::string("ESC") : ch < 0x80 ? std::string(1, char(ch)) : "?";
      EXPECT_EQ(decode(sent), codes) << shown;
    }
}

TEST(KeyDecoder, AnEscThatCameApartIsEscAndWhatFollowsAreTheNextKeys) {
  const struct {
    std::vector<std::pair<int, std::u32string>> reads;
    std::vector<int> codes;
  } cases[] = {
      {{{0, U"\x1b"}, {300, U"LAMBA"}}, {27, 'L', 'A', 'M', 'B', 'A'}},  // typed ahead during a text
      {{{0, U"\x1b"}, {300, U" "}}, {27, 32}},
      {{{0, U"\x1b"}, {300, U"\r"}}, {27, 13}},
      {{{0, U"\x1b"}, {300, U"\x1b"}}, {27, 27}},
      {{{0, U"\x1b"}, {300, U"[A"}}, {27, '[', 'A'}},
      {{{0, U"\x1b"}, {5, U"[A"}}, {X + 224, 72}},  // a sequence split over two reads
      {{{0, U"\x1b["}, {5, U"5~"}}, {X + 224, 73}},
      {{{0, U"\x1b["}, {300, U"5~"}}, {'5', '~'}},  // broken off by time: no key, then the characters
      {{{0, U"\r"}, {300, U"\n"}}, {13, 13}},       // two Enters when they came apart
      {{{0, U"x\x1b"}, {300, U"\x1b"}, {600, U"y"}}, {'x', 27, 27, 'y'}},
  };
  for (const auto& [reads, codes] : cases) EXPECT_EQ(decodeReads(reads), codes) << testing::PrintToString(codes);
}

}  // namespace
}  // namespace kiv
