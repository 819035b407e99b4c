// The game's characters in the player's character set, or their stand-ins, and keys read in it.
#include "kiv/terminal/terminal_charset.h"

#include <gtest/gtest.h>

#include <clocale>

namespace kiv {
namespace {

TEST(TerminalCharset, WritesAndReadsTheTurkishLettersWhereTheLocaleHasThemAndStandInsElsewhere) {
  // Shown: the twelve Turkish letters (Ç ü ç ı ö İ Ö Ü Ş ş Ğ ğ), a bell
  // (never), a blank and a shade. Typed: ş İ and a broken-off sequence
  // before an 'a' as UTF-8 (which ASCII locales read too), or ş İ ı ğ Ş Ğ as
  // ISO 8859-9's single bytes, the first character split between two reads.
  const std::string shown = "\x80\x81\x87\x8D\x94\x98\x99\x9A\x9E\x9F\xA6\xA7\a \xB0";
  const std::string utf8Typed =
      "\xC5\x9F\xC4\xB0\xC5"
      "a";
  const struct {
    const char* locale;
    bool turkish;
    std::string written, typed;
    std::u32string read;
  } locales[] = {{"C", false, "CucioIOUSsGg #", utf8Typed, U"şİa"},
                 {"POSIX", false, "CucioIOUSsGg #", utf8Typed, U"şİa"},
                 {"tr_TR.UTF-8", true, "ÇüçıöİÖÜŞşĞğ ░", utf8Typed, U"şİa"},
                 {"tr_TR.ISO-8859-9", true, "\xC7\xFC\xE7\xFD\xF6\xDD\xD6\xDC\xDE\xFE\xD0\xF0 #",
                  "\xFE\xDD\xFD\xF0\xDE\xD0", U"şİığŞĞ"}};
  for (const auto& l : locales) {
    ASSERT_NE(std::setlocale(LC_ALL, l.locale), nullptr) << l.locale << ": scripts/setup tests makes it";
    TerminalCharset charset;
    EXPECT_EQ(charset.showsTurkish(), l.turkish) << l.locale;
    EXPECT_EQ(charset.plainText(shown), l.written) << l.locale;
    std::u32string read;
    charset.decode(l.typed.substr(0, 1), read);
    charset.decode(l.typed.substr(1), read);
    EXPECT_TRUE(read == l.read) << l.locale;
  }
  std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace kiv
