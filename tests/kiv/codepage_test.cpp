// Code page 857 in both directions, and UTF-8 decoding.
#include "kiv/core/codepage.h"

#include <gtest/gtest.h>

namespace {

namespace cp = kiv::codepage;

TEST(Codepage, ShowsEachByteAsItsCharacterAndMapsEveryCharacterBackButNoControlGlyph) {
  const std::pair<int, char32_t> shown[] = {{0x8D, U'ı'}, {0x98, U'İ'}, {0xA7, U'ğ'}, {0xB0, U'░'},
                                            {0xC9, U'╔'}, {0x01, U'☺'}, {0x1B, U'←'}, {0x7F, U'⌂'},
                                            {0x00, U' '}, {0xD5, U' '}, {0xE7, U' '}, {0xF2, U' '}};
  for (auto [byte, ch] : shown) EXPECT_EQ(cp::toUnicode(static_cast<std::uint8_t>(byte)), ch) << byte;
  for (int b = 0; b < 256; ++b) {
    const bool noCharacter = b < 0x20 || b == 0x7F || b == 0xD5 || b == 0xE7 || b == 0xF2;
    EXPECT_EQ(cp::fromUnicode(cp::toUnicode(static_cast<std::uint8_t>(b))) == b, !noCharacter) << b;
  }
  EXPECT_EQ(cp::fromUnicode(U'¶'), 0xF4);  // also the glyph of 0x14
}

TEST(Utf8, ATextIsWrittenAsTheScreenShowsEachByte) {
  EXPECT_EQ(cp::toUtf8(std::string("\x98\x9F\x8D k \xC9\xB0\x01\x00", 10)), "İşı k ╔░☺ ");
  EXPECT_EQ(cp::toUtf8(""), "");
}

TEST(Utf8, AMalformedSequenceSkipsOneByte) {
  for (std::string bad : {"\x80", "\xC3", "\xC3(", "\xE2\x82", "\xE2(\xA1", "\xFC\x80\x80\x80", "\xFF", "\xC0\xAF",
                          "\xE0\x80\xAF", "\xF0\x80\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
    std::size_t pos = 0;
    EXPECT_FALSE(cp::nextUtf8(bad + "z", pos)) << testing::PrintToString(bad);
    EXPECT_EQ(pos, 1u) << testing::PrintToString(bad);
  }
}

}  // namespace
