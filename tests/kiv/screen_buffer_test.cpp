// The console output rules of the screen buffer.
#include "kiv/core/screen_buffer.h"

#include <gtest/gtest.h>

#include "kiv/virtual/virtual_device.h"

namespace {

constexpr int kLast = kiv::ScreenBuffer::kRows - 1;

TEST(ScreenBuffer, MovesTheCursorOrShowsAGlyph) {
  // Bytes written, then row 0 (code page bytes, trailing blanks cut) and the cursor.
  const struct {
    std::string bytes, row0;
    int x, y;
  } outputs[] = {{"abcde\nf", "abcde", 1, 1},
                 {"abc\rX", "Xbc", 1, 0},
                 {"a\ab", "ab", 2, 0},
                 {std::string("a\0b", 3), "a b", 3, 0},
                 {"abc\b\bX", "aXc", 2, 0},
                 {"\b\bX", "X", 1, 0},  // back without erasing, never past 0
                 {"a\tb", "a       b", 9, 0},
                 {"\tb", "        b", 9, 0},
                 {"\x01\x1B\x7F\x1F", "\x01\x1B\x7F\x1F", 4, 0}};
  for (const auto& [bytes, row0, x, y] : outputs) {
    kiv::ScreenBuffer screen;
    screen.write(bytes);
    EXPECT_EQ(kiv::rowText(screen, 0), row0) << testing::PrintToString(bytes);
    EXPECT_EQ(std::pair(screen.cursorX(), screen.cursorY()), std::pair(x, y)) << testing::PrintToString(bytes);
  }
}

TEST(ScreenBuffer, ScrollsAtTheLastRowAndClearsInTheCurrentAttribute) {
  kiv::ScreenBuffer screen;
  screen.write("first\nsecond");
  screen.setCursor(0, kLast);
  screen.setAttribute(0x4F);
  screen.write("last\t" + std::string(72, '.'));  // fills the last row: the wrap scrolls
  EXPECT_EQ(kiv::rowText(screen, 0), "second");
  EXPECT_EQ(kiv::rowText(screen, kLast - 1), "last    " + std::string(72, '.'));
  EXPECT_EQ(screen.at(79, kLast), (kiv::Cell{' ', 0x4F}));  // the new row is blank in the current attribute
  EXPECT_EQ(std::tuple(screen.cursorX(), screen.cursorY(), screen.viewTop(25)), std::tuple(0, kLast, kLast - 24));
  screen.setCursor(0, 100);
  EXPECT_EQ(screen.viewTop(25), 100);  // the view follows the cursor just enough,
  screen.setCursor(0, 160);
  screen.setCursor(0, 140);
  EXPECT_EQ(screen.viewTop(25), 136);  // down to the lowest row it went since the last view
  screen.setAttribute(0x2E);
  screen.clear();
  EXPECT_EQ(std::tuple(screen.at(0, kLast), screen.cursorX(), screen.cursorY(), screen.viewTop(25)),
            std::tuple(kiv::Cell{' ', 0x2E}, 0, 0, 0));
}

}  // namespace
