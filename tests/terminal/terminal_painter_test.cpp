// The painter's bytes, as a terminal emulator shows them, give every cell asked for, a typed letter in its own bytes.
#include "kiv/terminal/terminal_painter.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <clocale>
#include <ostream>
#include <random>

#include "pty_terminal.h"
#include "kiv/core/codepage.h"
#include "kiv/terminal/terminal_charset.h"

namespace kiv {
namespace {

using Look = e2e::PtyTerminal::Look;
constexpr int kRows = 25, kColumns = 80;
constexpr std::uint8_t kBytes[] = {'a', 'Z', ' ', ' ', 0x9F, 0x8D, 0xB0, 0xDB};  // letters, blanks, ş ı ░ █
constexpr std::uint8_t kAttributes[] = {0x1F, 0x02, 0x1E, 0x4F, 0x70, 0x08};

struct Terminal { const char* term; int colours; bool hidesCursor; };
void PrintTo(const Terminal& terminal, std::ostream* out) { *out << terminal.term; }

class Painter : public ::testing::TestWithParam<Terminal> {};

TEST_P(Painter, ShowsEveryCellAfterEachChangeAndTypesLettersInTheirOwnBytes) {
  ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
  ::setenv("TERM", GetParam().term, 1);
  ASSERT_EQ(loadTerminalEntry(STDERR_FILENO), TerminalEntry::kLoaded);
  TerminalPainter painter(GetParam().colours);
  ASSERT_EQ(painter.colours(), GetParam().colours);
  const TerminalCharset charset;
  painter.useCharset(charset);
  painter.reset(kRows, kColumns);
  Looks looks;
  for (int attribute = 0; attribute < 256; ++attribute)
    looks[attribute] = painter.colours() > 0 ? colour::lookOf(attribute, painter.colours())
                                             : colour::monochromeLookOf(attribute, 0x1F);
  e2e::PtyTerminal screen([] { return 0; }, {});  // 80 × 25, no program
  std::vector<ShownCell> cells(kRows * kColumns, ShownCell{' ', 0x1F});
  std::uint8_t blank = 0x1F;
  std::mt19937 chance(857);
  const auto pick = [&](const auto& from) { return from[chance() % std::size(from)]; };

  // Paints, shows the bytes to the emulator and compares every cell; returns how many bytes it took.
  const auto paint = [&](std::optional<CursorAt> cursor) {
    std::string out;
    painter.paint(cells, kColumns, looks, blank, cursor, out);
    screen.show(out);
    for (int i = 0; i < kRows * kColumns; ++i) {
      const colour::Look& look = looks[cells[i].look];
      const e2e::PtyTerminal::Cell seen = screen.cell(i % kColumns, i / kColumns);
      const auto want = painter.colours() > 0 ? Look{look.foreground, look.background, look.bold}
                                              : Look{-1, -1, look.bold, look.reverse};
      EXPECT_TRUE(seen.ch == codepage::toUnicode(cells[i].byte) && seen.look == want)
          << "row " << i / kColumns << ", column " << i % kColumns;
    }
    EXPECT_EQ(screen.cursorVisible(), cursor.has_value() || !GetParam().hidesCursor);
    EXPECT_TRUE(!cursor || screen.cursor() == std::pair(cursor->row, cursor->column));
    return out.size();
  };

  for (int round = 0; round < 6 && !HasFailure(); ++round) {
    for (int i = 0; i < 40; ++i) cells[chance() % cells.size()] = {pick(kBytes), pick(kAttributes)};
    paint(CursorAt{static_cast<int>(chance() % kRows), static_cast<int>(chance() % kColumns)});

    // Typed letters, each shown before the next: in the screen's colour or
    // another, with the cursor after each or hidden, a letter costs its own bytes.
    const int row = static_cast<int>(chance() % kRows), attribute = pick(kAttributes);
    std::size_t typing = paint(CursorAt{row, 0});
    for (int column = 0; column < 30; ++column) {
      cells[row * kColumns + column] = {static_cast<std::uint8_t>('a' + column % 26),
                                        static_cast<std::uint8_t>(attribute)};
      typing += paint(round % 2 == 0 ? std::optional(CursorAt{row, column + 1}) : std::nullopt);
    }
    EXPECT_LE(typing, 30u + 40u) << "30 letters in " << std::hex << attribute;

    // The rows move up, as a text running past the bottom moves them: the
    // terminal scrolls instead of having every cell written again (only the
    // new rows, where it cannot scroll them in in the screen's colour).
    const int by = 1 + round % 3;
    std::copy(cells.begin() + by * kColumns, cells.end(), cells.begin());
    std::fill(cells.end() - by * kColumns, cells.end(), ShownCell{' ', blank});
    EXPECT_LE(paint(std::nullopt), 40u + by * (kColumns + 10u)) << "scrolled by " << by;

    if (round == 3) {  // a new screen in another colour
      blank = 0x4F;
      std::fill(cells.begin(), cells.end(), ShownCell{' ', blank});
      paint(std::nullopt);
    }
  }
  unloadTerminalEntry();
  std::setlocale(LC_ALL, "C");
}

INSTANTIATE_TEST_SUITE_P(Terminals, Painter,
                         ::testing::Values(Terminal{"xterm-256color", 16, true}, Terminal{"xterm", 8, true},
                                           Terminal{"vt100", 0, false}, Terminal{"linux", 8, true},
                                           Terminal{"screen-256color", 16, true}),
                         [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace kiv
