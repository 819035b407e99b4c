// The game's characters in the player's character set, or their stand-ins, and keys read in it.
#include "kiv/terminal_charset.h"

#include <gtest/gtest.h>

#include <clocale>

namespace kiv {
namespace {

TEST(StandIn, TurkishLettersLoseTheirMarksAndShadesBlocksAndLinesTakeTheLineDrawingSet) {
  const struct { std::uint8_t byte; char plain, lineDrawing; } standIns[] = {
      {0x9F, 's', 0},   {0x9E, 'S', 0},   {0x98, 'I', 0},   {0x8D, 'i', 0},   {0xA7, 'g', 0},   {0xA6, 'G', 0},
      {0x81, 'u', 0},   {0x9A, 'U', 0},   {0x94, 'o', 0},   {0x99, 'O', 0},   {0x87, 'c', 0},   {0x80, 'C', 0},
      {0xB0, '#', 'a'}, {0xB1, '#', 'a'}, {0xB2, '#', 'a'}, {0xDB, '#', '0'}, {0xC4, '-', 'q'}, {0xBA, '|', 'x'},
      {'k', 'k', 0},    {0x01, '?', 0},   {0xFF, ' ', 0}};
  for (const auto& [byte, plain, lineDrawing] : standIns)
    EXPECT_EQ(std::pair(standInFor(byte).plain, standInFor(byte).lineDrawing), std::pair(plain, lineDrawing))
        << std::hex << int{byte};
}

TEST(TerminalCharset, WritesAndReadsTheTurkishLettersWhereTheLocaleHasThem) {
  // Typed: ş İ and a broken-off sequence before an 'a' as UTF-8 (which ASCII
  // locales read too), or ş İ ı ğ Ş Ğ as ISO 8859-9's single bytes.
  const std::string utf8Typed = "\xC5\x9F\xC4\xB0\xC5" "a";
  const struct {
    const char* locale;
    bool turkish;
    std::string sh, shade, title, typed;
    std::u32string read;
  } locales[] = {
      {"C", false, "", "", "Isik #", utf8Typed, U"şİa"},
      {"POSIX", false, "", "", "Isik #", utf8Typed, U"şİa"},
      {"tr_TR.UTF-8", true, "\xC5\x9F", "\xE2\x96\x91", "I\xC5\x9F\xC4\xB1k \xE2\x96\x91", utf8Typed, U"şİa"},
      {"tr_TR.ISO-8859-9", true, "\xFE", "", "I\xFE\xFDk #", "\xFE\xDD\xFD\xF0\xDE\xD0", U"şİığŞĞ"}};
  for (const auto& l : locales) {
    ASSERT_NE(std::setlocale(LC_ALL, l.locale), nullptr) << l.locale << ": scripts/setup tests makes it";
    TerminalCharset charset;
    EXPECT_EQ(charset.showsTurkish(), l.turkish) << l.locale;
    EXPECT_EQ(charset.encoded(0x9F), l.sh) << l.locale;
    EXPECT_EQ(charset.encoded(0xB0), l.shade) << l.locale;
    EXPECT_EQ(charset.plainText("I\x9F\x8Dk\a \xB0"), l.title) << l.locale;
    std::u32string read;
    charset.decode(l.typed.substr(0, 1), read);  // a character split between two reads
    charset.decode(l.typed.substr(1), read);
    EXPECT_TRUE(read == l.read) << l.locale;
  }
  std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace kiv
