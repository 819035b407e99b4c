// The game's screens as terminals of 256 colours, 8 colours and none show them, in every locale, and
// the keys as they send them.
#include <algorithm>
#include <ostream>

#include "game_session.h"

namespace e2e {
namespace {

using namespace std::string_literals;

const std::string kIndent(11, ' ');
const std::string kBannerEdge = kIndent + "░░░░▒▒▒▒▒▓██████████████████████████████████████▓▒▒▒▒▒░░░░";
const std::string kBannerTitle = kIndent + "░░░░▒▒▒▒▒▓█  Thalvorine                 v0.1.0 █▓▒▒▒▒▒░░░░";

struct Terminal {
  const char* name;
  const char* term;
  int colours;  // the palette the screen's colours come from: 16, 8, or 0 for none
  Look selected, other;
  const char* title;  // as the terminal shows it
};

void PrintTo(const Terminal& terminal, std::ostream* out) { *out << terminal.term; }

class Terminals : public ::testing::TestWithParam<Terminal> {};

TEST_P(Terminals, ShowTheBannerReadablyAndTheSelectedButtonStandingOut) {
  const Terminal& t = GetParam();
  GameSession game({t.term});
  PtyTerminal& term = *game.terminal;

  ASSERT_SEEN(term, term.rowText(8) == kBannerEdge && term.rowText(11) == kBannerTitle);
  // The screen's colours from the palette, the text never in its background's.
  // Without colours, plain text.
  const Look screen = term.cell(30, 8).look;
  const auto [darkest, lightest] = std::minmax(screen.foreground, screen.background);
  EXPECT_TRUE(t.colours == 0 ? screen == Look{} : darkest >= 0 && lightest < t.colours && darkest != lightest)
      << screen.foreground << " on " << screen.background;
  EXPECT_EQ(term.cell(0, 0).look.background, screen.background) << "the screen's colour fills it";

  ASSERT_SEEN(term, mainMenuAt(term, 6, t.selected, t.other));
  // An arrow in its CSI form moves the selection (it is no Esc); an unknown
  // sequence is no key, and the SS3 form moves the selection back.
  term.send("\x1b[B");
  ASSERT_SEEN(term, mainMenuAt(term, 10, t.selected, t.other));
  term.send("\x1b[24~\x1bOA");
  ASSERT_SEEN(term, mainMenuAt(term, 6, t.selected, t.other));
  EXPECT_EQ(term.title(), t.title);

  quitFromTheMainMenu(term);
  EXPECT_LT(term.output().size(), 8000u) << "about 2 KB: only what changes is sent, never the whole screen again";
}

INSTANTIATE_TEST_SUITE_P(
    Colours, Terminals,
    ::testing::Values(Terminal{"Colours256", "xterm-256color", 16, kSelected, kUnselected, "Thalvorine"},
                      Terminal{"Colours8", "xterm", 8, {2, 0}, {3, 0, true}, "Thalvorine"},
                      Terminal{"NoColours", "vt100", 0, {-1, -1, false, true}, {-1, -1, true}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The title boxes where the character set has no shades or blocks: the
// shades as the terminal's line-drawing checkerboard, the blocks reversed blanks.
std::string withStandIns(std::string row) {
  for (const std::string glyph : {"░", "▓", "█"})
    for (std::size_t at = 0; (at = row.find(glyph)) != std::string::npos;) row.replace(at, 3, glyph == "█" ? " " : "▒");
  return row;
}

// `echoed`: as the emulator shows it, or with `raw` as the game sent it. A
// NUL (Ctrl-Space) is no key; a letter the game has none for is dropped.
struct Locale {
  const char *name, *locale;
  std::string typed, echoed;
  bool raw, standIns, warned;
};

void PrintTo(const Locale& locale, std::ostream* out) { *out << locale.locale; }

class Locales : public ::testing::TestWithParam<Locale> {};

TEST_P(Locales, ShowTheLettersOrTheirStandInsReadTypedOnesAndSayHowToSeeThemWhereTheyCannotShow) {
  const Locale& l = GetParam();
  GameSession game({.runningTime = 0, .locale = l.locale});
  PtyTerminal& term = *game.terminal;
  const std::string banner = l.standIns ? withStandIns(kBannerTitle) : kBannerTitle;
  ASSERT_SEEN(term, term.rowText(11) == banner);
  ASSERT_SEEN(term, term.cursorVisible() && term.shows(":"));
  term.send(l.typed);
  const auto echoed = [&] { return l.raw ? term.output().find(l.echoed) != std::string::npos : term.shows(l.echoed); };
  ASSERT_TRUE(term.waitUntil(echoed, kPatience)) << term.screenText();
  term.send("\x7f\b\x7f\r");  // both forms of Backspace; an empty watch word leads to the main menu
  ASSERT_SEEN(term, mainMenuAt(term, 6));
  quitFromTheMainMenu(term);
  EXPECT_EQ(term.shows("play in a UTF-8 locale"), l.warned) << term.screenText();
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Locales,
    ::testing::Values(Locale{"C", "C", "ş\0İ€a"s, ": sIa", false, true, true},
                      Locale{"Utf8", "tr_TR.UTF-8", "ş\0İ€a"s, ": şİa", false, false, false},
                      Locale{"Utf8NotInstalled", "xx_XX.UTF-8", "ş\0İ€a"s, ": şİa", false, false, false},
                      Locale{"Iso8859_9", "tr_TR.ISO-8859-9", "\xFE\0\xDD"s, "\xFE\xDD", true, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
