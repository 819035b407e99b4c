// The painter's bytes, as a terminal emulator shows them, give every cell asked for, a typed letter in its own bytes.
#include "kiv/terminal/terminal_painter.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <clocale>
#include <ostream>
#include <random>

#include "kiv/core/codepage.h"
#include "kiv/terminal/terminal_charset.h"
#include "pty_terminal.h"

namespace kiv {
namespace {

using Look = e2e::PtyTerminal::Look;
constexpr int kRows = 25, kColumns = 80;
constexpr std::uint8_t kBytes[] = {'a', 'Z', ' ', ' ', 0x9F, 0x8D, 0xB0, 0xDB};  // letters, blanks, ş ı ░ █
constexpr std::uint8_t kAttributes[] = {0x1F, 0x02, 0x1E, 0x4F, 0x70, 0x08};

// `newScreenBytes`: a pen and a clear where the clear gives the screen's
// colour, else a cursor move and the blanks of each row.
struct Terminal {
  const char* term;
  int colours;
  bool hidesCursor;
  std::size_t newScreenBytes;
};
void PrintTo(const Terminal& terminal, std::ostream* out) { *out << terminal.term; }

// A painter for $TERM `term` on an emulator of `rows` × `columns`, shown every byte it paints.
struct Painted {
  Painted(const char* term, int colours, int rows, int columns, int screenAttribute) : screen([] { return 0; }, {}) {
    std::setlocale(LC_ALL, "C.UTF-8");
    ::setenv("TERM", term, 1);
    loaded = loadTerminalEntry(STDERR_FILENO) == TerminalEntry::kLoaded;
    painter.emplace(colours);
    charset.emplace();
    painter->useCharset(*charset);
    painter->reset(rows, columns);
    screen.resize(columns, rows);
    useScreen(screenAttribute);
  }
  // The looks as the device works them out for a screen of `attribute`.
  void useScreen(int attribute) {
    for (int each = 0; each < 256; ++each)
      looks[each] =
          painter->colours() > 0 ? colour::lookOf(each, painter->colours()) : colour::monochromeLookOf(each, attribute);
  }
  ~Painted() {
    unloadTerminalEntry();
    std::setlocale(LC_ALL, "C");
  }
  std::string paint(const std::vector<ShownCell>& cells, std::uint8_t blank, std::optional<CursorAt> cursor) {
    std::string out;
    painter->paint(cells, kColumns, looks, blank, cursor, out);
    screen.show(out);
    return out;
  }
  // Attribute `attribute` as the emulator should show it.
  Look shown(int attribute) const {
    const colour::Look& look = looks[attribute];
    return painter->colours() > 0 ? Look{look.foreground, look.background, look.bold}
                                  : Look{-1, -1, look.bold, look.reverse};
  }

  bool loaded = false;
  std::optional<TerminalPainter> painter;
  std::optional<TerminalCharset> charset;
  Looks looks;
  e2e::PtyTerminal screen;  // no program
};

class Painter : public ::testing::TestWithParam<Terminal> {};

TEST_P(Painter, ShowsEveryCellAfterEachChangeAndTypesLettersInTheirOwnBytes) {
  Painted terminal(GetParam().term, GetParam().colours, kRows, kColumns, 0x1F);
  ASSERT_TRUE(terminal.loaded);
  ASSERT_EQ(terminal.painter->colours(), GetParam().colours);
  e2e::PtyTerminal& screen = terminal.screen;
  std::vector<ShownCell> cells(kRows * kColumns, ShownCell{' ', 0x1F});
  std::uint8_t blank = 0x1F;
  std::mt19937 chance(857);
  const auto pick = [&](const auto& from) { return from[chance() % std::size(from)]; };

  // Paints, shows the bytes to the emulator and compares every cell; returns how many bytes it took.
  const auto paint = [&](std::optional<CursorAt> cursor) {
    const std::size_t bytes = terminal.paint(cells, blank, cursor).size();
    for (int i = 0; i < kRows * kColumns; ++i) {
      const e2e::PtyTerminal::Cell seen = screen.cell(i % kColumns, i / kColumns);
      EXPECT_TRUE(seen.ch == codepage::toUnicode(cells[i].byte) && seen.look == terminal.shown(cells[i].look))
          << "row " << i / kColumns << ", column " << i % kColumns;
    }
    EXPECT_EQ(screen.cursorVisible(), cursor.has_value() || !GetParam().hidesCursor);
    EXPECT_TRUE(!cursor || screen.cursor() == std::pair(cursor->row, cursor->column));
    return bytes;
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
}

TEST_P(Painter, TheScreensColourFillsEveryCellPastTheGameAndANewScreenIsNeverScrolledAway) {
  Painted terminal(GetParam().term, GetParam().colours, 30, 100, 0x1F);
  ASSERT_TRUE(terminal.loaded);
  std::vector<ShownCell> cells(kRows * kColumns);
  for (const std::uint8_t blank : {0x1F, 0x4F, 0x70}) {  // a screen, then new screens in other colours
    terminal.useScreen(blank);
    std::fill(cells.begin(), cells.end(), ShownCell{' ', blank});
    std::fill(cells.begin() + 3 * kColumns, cells.begin() + 4 * kColumns, ShownCell{'x', 0x02});
    terminal.paint(cells, blank, std::nullopt);
    for (int y = 0; y < 30; ++y)
      for (int x = y < kRows ? kColumns : 0; x < 100; ++x) {
        const e2e::PtyTerminal::Cell seen = terminal.screen.cell(x, y);
        ASSERT_TRUE(seen.ch == U' ' && seen.look == terminal.shown(blank))
            << "row " << y << ", column " << x << " on a screen of " << std::hex << int{blank};
      }
  }

  // On a terminal of the game's size, a screen full of text gives way to a new one.
  terminal.painter->reset(kRows, kColumns);
  terminal.screen.resize(kColumns, kRows);
  terminal.useScreen(0x1F);
  std::fill(cells.begin(), cells.end(), ShownCell{'x', 0x1F});
  terminal.paint(cells, 0x1F, std::nullopt);
  terminal.useScreen(0x4F);
  std::fill(cells.begin(), cells.end(), ShownCell{' ', 0x4F});
  const std::string out = terminal.paint(cells, 0x4F, std::nullopt);
  EXPECT_EQ(out.find('\n'), std::string::npos) << "no line scrolled";
  EXPECT_LE(out.size(), GetParam().newScreenBytes);
}

constexpr std::size_t kWrittenOver = kRows * (kColumns + 8) + 16;
INSTANTIATE_TEST_SUITE_P(Terminals, Painter,
                         ::testing::Values(Terminal{"xterm-256color", 16, true, 16}, Terminal{"xterm", 8, true, 16},
                                           Terminal{"vt100", 0, false, 16}, Terminal{"linux", 8, true, 16},
                                           Terminal{"screen-256color", 16, true, kWrittenOver},
                                           Terminal{"screen", 8, true, kWrittenOver}),
                         [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace kiv
