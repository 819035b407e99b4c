// The game's start on a real terminal: title, banner, colours, main menu, size, the way out.
#include <algorithm>
#include <vector>

#include "game_session.h"

namespace e2e {
namespace {

// The palette's attributes (the screen colours a new screen may take).
constexpr int kPalette[] = {0x03, 0xD7, 0xF3, 0xF8, 0xE3, 0xE8, 0xF0, 0xC7, 0x9E, 0xA8, 0xB0, 0xB8, 0x4F,
                            0x70, 0x7D, 0x80, 0x73, 0x1F, 0x2B, 0x30, 0x37, 0x40, 0x57, 0x5F, 0x67};

// A console colour (1 blue, 2 green, 4 red, 8 bright) as the terminal's
// palette number (1 red, 2 green, 4 blue, 8 bright).
int ansi(int windowsColour) {
  return (windowsColour & 0b1010) | ((windowsColour & 1) << 2) | ((windowsColour & 4) >> 2);
}

std::u32string bannerRow(int row) {
  const std::u32string left = U"░░░░▒▒▒▒▒▓█";
  const std::u32string right = U"█▓▒▒▒▒▒░░░░";
  if (row == 8 || row == 14) return U"░░░░▒▒▒▒▒▓" + std::u32string(38, U'█') + U"▓▒▒▒▒▒░░░░";
  if (row == 11) return left + U"  Thalvorine                 v0.1.0 " + right;
  return left + std::u32string(36, U' ') + right;
}

// The first character of the main menu's picture (the top row's first).
PtyTerminal::Cell firstStroke(const PtyTerminal& term) {
  for (int column = 0; column < 60; ++column)
    if (term.cell(column, 1).ch != U' ') return term.cell(column, 1);
  return {};
}

TEST(StartUp, ShowsTitleBannerInPaletteColoursThenMenuAndLeavesWithStatusOne) {
  GameSession game(progressFile(1, "0.1.0"));
  PtyTerminal& term = *game.terminal;

  // The banner comes in one refresh, but the emulator may read it in parts.
  ASSERT_TRUE(term.waitForText("Thalvorine", kPatience, 11, 24)) << term.screenText();
  ASSERT_TRUE(term.waitUntil([&] { return term.cell(68, 14).ch == U'░'; }, kPatience)) << term.screenText();
  EXPECT_EQ(term.title(), "Thalvorine");
  EXPECT_TRUE(term.alternateScreen());

  // The box, cell by cell, at rows 8 to 14 and columns 11 to 68.
  for (int row = 8; row <= 14; ++row) {
    const std::u32string expected = bannerRow(row);
    ASSERT_EQ(expected.size(), 58u);
    for (int i = 0; i < 58; ++i)
      ASSERT_EQ(term.cell(11 + i, row).ch, expected[static_cast<std::size_t>(i)])
          << "row " << row << " column " << 11 + i << "\n" << term.screenText();
    EXPECT_EQ(term.cell(10, row).ch, U' ');
    EXPECT_EQ(term.cell(69, row).ch, U' ');
  }

  // The whole screen, banner included, in one attribute of the palette.
  const PtyTerminal::Cell corner = term.cell(0, 0);
  const PtyTerminal::Cell block = term.cell(30, 8);
  const bool inPalette = std::any_of(std::begin(kPalette), std::end(kPalette), [&](int attr) {
    return corner.background == ansi(attr >> 4) && block.foreground == ansi(attr & 15) &&
           block.background == corner.background;
  });
  EXPECT_TRUE(inPalette) << "text " << block.foreground << " on " << block.background << ", screen "
                         << corner.background;
  EXPECT_EQ(term.cell(79, 23).background, corner.background) << "the screen's colour reaches every cell";

  // The main menu, some colour changes later: still one palette attribute
  // for the whole screen, the picture's strokes in its text colour.
  ASSERT_TRUE(term.waitUntil([&] { return mainMenuShown(term); }, kPatience)) << term.screenText();
  term.settle(std::chrono::milliseconds(300), kPatience);  // the rows below the buttons too
  const PtyTerminal::Cell stroke = firstStroke(term);
  ASSERT_NE(stroke.ch, U' ') << term.screenText();
  for (int row = 0; row < 24; ++row)
    for (int column : {0, 70, 79}) {
      if (column == 0 && row == 0) continue;  // the picture's first row starts three columns in
      ASSERT_EQ(term.cell(column, row).background, stroke.background) << column << "," << row;
    }
  EXPECT_TRUE(std::any_of(std::begin(kPalette), std::end(kPalette), [&](int attr) {
    return stroke.background == ansi(attr >> 4) && stroke.foreground == ansi(attr & 15);
  })) << "text " << stroke.foreground << " on " << stroke.background;

  // Its buttons in yellow (0x0E) on black, the selected one in green (0x02);
  // the arrow keys move the selection.
  EXPECT_EQ(term.cell(61, 6).foreground, 2);
  EXPECT_EQ(term.cell(61, 10).foreground, ansi(0x0E));
  EXPECT_EQ(term.cell(61, 10).background, 0);
  term.press(VTERM_KEY_DOWN);
  ASSERT_TRUE(term.waitUntil([&] { return term.cell(61, 10).foreground == 2; }, kPatience));
  EXPECT_EQ(term.cell(61, 6).foreground, ansi(0x0E));
  term.press(VTERM_KEY_UP);
  ASSERT_TRUE(term.waitUntil([&] { return term.cell(61, 6).foreground == 2; }, kPatience));

  // Esc: the exit question; Enter on its first button ends the game.
  term.press(VTERM_KEY_ESCAPE);
  ASSERT_TRUE(term.waitForText("Thalvorine v0.1.0", kPatience)) << term.screenText();
  expectExitWithStatusOne(term);
  EXPECT_NE(game.folder.read("game.dat").find("<RunningTime>2</RunningTime>"), std::string::npos);
}

TEST(StartUp, ATooSmallTerminalShowsANoticeUntilItGrowsAndTheGameGoesOn) {
  GameSession game(progressFile(1, "0.1.0"));
  PtyTerminal& term = *game.terminal;
  ASSERT_TRUE(term.waitUntil([&] { return mainMenuShown(term); }, kPatience)) << term.screenText();
  term.settle(std::chrono::milliseconds(300), kPatience);

  term.resize(60, 20);
  ASSERT_TRUE(term.waitForText("needs a terminal", kPatience)) << term.screenText();
  EXPECT_EQ(term.screenText().find("v0.1.0"), std::string::npos);

  term.resize(100, 30);  // larger than the game: the buffer's 80 columns, more rows of it
  ASSERT_TRUE(term.waitUntil([&] { return mainMenuShown(term); }, kPatience)) << term.screenText();
  EXPECT_EQ(term.screenText().find("needs a terminal"), std::string::npos);
  EXPECT_NE(firstStroke(term).ch, U' ') << "the picture is back\n" << term.screenText();

  term.press(VTERM_KEY_ESCAPE);  // the menu kept waiting for its key all along
  ASSERT_TRUE(term.waitForText("Thalvorine v0.1.0", kPatience)) << term.screenText();
  term.press(VTERM_KEY_ENTER);
  const auto status = term.waitExit(kPatience);
  ASSERT_TRUE(status.has_value());
  EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 1) << *status;
  expectTerminalRestored(term);
}

}  // namespace
}  // namespace e2e
