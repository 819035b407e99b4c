// The console output rules of the screen buffer.
#include "kiv/screen_buffer.h"

#include <gtest/gtest.h>

#include "kiv/virtual_device.h"

namespace {

using kiv::Cell;
using kiv::ScreenBuffer;
constexpr int kLast = ScreenBuffer::kRows - 1;

struct Output {
  std::string bytes, row0;  // row 0 as code page bytes, trailing blanks cut
  int x, y;
};

class ScreenOutput : public testing::TestWithParam<Output> {};

TEST_P(ScreenOutput, MovesTheCursorOrShowsAGlyph) {
  ScreenBuffer screen;
  screen.write(GetParam().bytes);
  EXPECT_EQ(kiv::rowText(screen, 0), GetParam().row0);
  EXPECT_EQ(std::pair(screen.cursorX(), screen.cursorY()), std::pair(GetParam().x, GetParam().y));
}

INSTANTIATE_TEST_SUITE_P(ScreenBuffer, ScreenOutput, testing::Values(
    Output{std::string(80, 'x'), std::string(80, 'x'), 0, 1},  // wraps at once
    Output{std::string(80, 'x') + "\n", std::string(80, 'x'), 0, 2},
    Output{"abcde\nf", "abcde", 1, 1}, Output{"abc\rX", "Xbc", 1, 0},
    Output{"ab\b", "ab", 1, 0}, Output{"ab\bX", "aX", 2, 0}, Output{"\b\bX", "X", 1, 0},
    Output{"a\tb", "a       b", 9, 0}, Output{"\tb", "        b", 9, 0},
    Output{"a\ab", "ab", 2, 0}, Output{std::string("a\0b", 3), "a b", 3, 0},
    Output{"\x01\x1B\x7F\x1F", "\x01\x1B\x7F\x1F", 4, 0}));

TEST(ScreenBuffer, ScrollsAtTheLastRowAndClearsInTheCurrentAttribute) {
  ScreenBuffer screen;
  screen.write("first\nsecond");
  screen.setCursor(0, kLast);
  screen.write("last");
  screen.setAttribute(0x4F);
  screen.write("\t" + std::string(72, '.'));  // fills the last row: the wrap scrolls
  EXPECT_EQ(kiv::rowText(screen, 0), "second");
  EXPECT_EQ(kiv::rowText(screen, kLast - 1), "last    " + std::string(72, '.'));
  EXPECT_EQ(screen.at(5, kLast - 1), (Cell{' ', 0x4F}));  // tab blanks in the current attribute
  EXPECT_EQ(screen.at(79, kLast), (Cell{' ', 0x4F}));
  EXPECT_EQ(screen.cursorY(), kLast);
  EXPECT_EQ(screen.viewTop(25), kLast - 24);  // the view follows the cursor just enough
  screen.setCursor(0, 100);
  EXPECT_EQ(screen.viewTop(25), 100);
  screen.setAttribute(0x2E);
  screen.clear();
  for (auto [x, y] : {std::pair{0, 0}, {79, kLast - 1}, {79, kLast}}) EXPECT_EQ(screen.at(x, y), (Cell{' ', 0x2E}));
  EXPECT_EQ(std::pair(screen.cursorX(), screen.cursorY()), std::pair(0, 0));
  EXPECT_EQ(screen.viewTop(25), 0);
}

}  // namespace
