// Code page 857 in both directions, and UTF-8 decoding.
#include "kiv/codepage.h"

#include <gtest/gtest.h>

namespace {

namespace cp = kiv::codepage;

TEST(Codepage, ShowsTurkishLettersShadesBoxesAndControlGlyphs) {
  const std::pair<int, char32_t> table[] = {
      {0x80, U'Ç'}, {0x8D, U'ı'}, {0x98, U'İ'}, {0x9E, U'Ş'}, {0x9F, U'ş'}, {0xA6, U'Ğ'}, {0xA7, U'ğ'},
      {0xB0, U'░'}, {0xB1, U'▒'}, {0xB2, U'▓'}, {0xDB, U'█'}, {0xC9, U'╔'}, {0xCD, U'═'}, {0xFE, U'■'},
      {0x01, U'☺'}, {0x1B, U'←'}, {0x7F, U'⌂'}, {0x00, U' '}, {0xD5, U' '}, {0xE7, U' '}, {0xF2, U' '}};
  for (auto [byte, ch] : table) EXPECT_EQ(cp::toUnicode(static_cast<std::uint8_t>(byte)), ch) << byte;
}

TEST(Codepage, EveryCharacterMapsBackToItsByteAndNoControlGlyphDoes) {
  for (int b = 0; b < 256; ++b) {
    const bool noCharacter = b < 0x20 || b == 0x7F || b == 0xD5 || b == 0xE7 || b == 0xF2;
    const auto byte = static_cast<std::uint8_t>(b);
    EXPECT_EQ(cp::fromUnicode(cp::toUnicode(byte)) == byte, !noCharacter) << b;
  }
  EXPECT_EQ(cp::fromUnicode(U'¶'), 0xF4);  // also the glyph of 0x14
  EXPECT_FALSE(cp::fromUnicode(U'☺'));
  EXPECT_FALSE(cp::fromUnicode(U'€'));
}

TEST(Utf8, AMalformedSequenceSkipsOneByteAndDecodingGoesOn) {
  for (std::string bad : {"\x80", "\xC3", "\xC3(", "\xE2\x82", "\xE2(\xA1", "\xF8\x88\x80\x80\x80", "\xFF",
                          "\xC0\xAF", "\xE0\x80\xAF", "\xF0\x80\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
    const std::string text = bad + "z";
    std::size_t pos = 0;
    EXPECT_FALSE(cp::nextUtf8(text, pos)) << testing::PrintToString(bad);
    EXPECT_EQ(pos, 1u);
    while (pos + 1 < text.size()) cp::nextUtf8(text, pos);
    EXPECT_EQ(cp::nextUtf8(text, pos), U'z');
  }
}

}  // namespace
