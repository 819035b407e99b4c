// Every way out of the game gives the player's terminal back; off a terminal the game does not start.
#include <signal.h>

#include <ostream>

#include "game_session.h"

namespace e2e {
namespace {

struct WayOut {
  const char* name;
  const char* keys;  // typed at the main menu (after an Esc of its own, with `afterEsc`), or
  int signal;        // sent, during the start-up melody when `inMelody`
  bool inMelody;
  int waitStatus;  // how the game ends, at once
  bool afterEsc = false;
};

void PrintTo(const WayOut& way, std::ostream* out) { *out << way.name; }

class WaysOut : public ::testing::TestWithParam<WayOut> {};

TEST_P(WaysOut, RestoreTheTerminal) {
  const WayOut& way = GetParam();
  GameSession game({.speedup = way.inMelody ? 1 : 40});  // the melody at its real pace lasts 1.5 s
  PtyTerminal& term = *game.terminal;
  ASSERT_SEEN(term, way.inMelody ? term.shows("Thalvorine") : mainMenuAt(term, 6));
  if (way.signal != 0) {
    ASSERT_EQ(::kill(term.pid(), way.signal), 0);
  }
  if (way.afterEsc)
    escThen(term, way.keys);
  else
    term.send(way.keys);
  const auto asked = std::chrono::steady_clock::now();
  const auto status = term.waitExit(kPatience);
  ASSERT_TRUE(status.has_value()) << "the game did not end\n" << term.screenText();
  EXPECT_EQ(*status & ~WCOREFLAG, way.waitStatus);
  EXPECT_LT(std::chrono::steady_clock::now() - asked, 1s) << "the game went on before it ended";

  // The player's terminal as it was: the game's screen left, the cursor
  // shown, plain text, and the line discipline's modes back.
  EXPECT_NE(term.output().find("\x1b[?1049h"), std::string::npos) << "the game never took the alternate screen";
  EXPECT_FALSE(term.alternateScreen()) << "still on the alternate screen";
  EXPECT_TRUE(term.cursorVisible()) << "the cursor stays hidden";
  EXPECT_TRUE(term.penIsPlain()) << "colours or attributes left on";
  EXPECT_TRUE(term.modesAsAtStart()) << "echo, canonical input, signals or line endings not given back";
}

INSTANTIATE_TEST_SUITE_P(Ends, WaysOut,
                         ::testing::Values(WayOut{"ExitQuestion", "\r", 0, false, W_EXITCODE(1, 0), true},
                                           WayOut{"CtrlC", "\x03", 0, false, W_EXITCODE(0, SIGINT)},
                                           WayOut{"CtrlCInMelody", "\x03", 0, true, W_EXITCODE(0, SIGINT)},
                                           WayOut{"User1", "", SIGUSR1, false, W_EXITCODE(0, SIGUSR1)},
                                           WayOut{"Alarm", "", SIGALRM, true, W_EXITCODE(0, SIGALRM)},
                                           WayOut{"Term", "", SIGTERM, false, W_EXITCODE(0, SIGTERM)},
                                           WayOut{"HangUp", "", SIGHUP, true, W_EXITCODE(0, SIGHUP)},
                                           WayOut{"Abort", "", SIGABRT, false, W_EXITCODE(0, SIGABRT)}),
                         [](const auto& info) { return std::string(info.param.name); });

// A terminal the game cannot draw on (and that is not the dumb terminal,
// which plays plain): one line on standard error, exit status 2, and no
// file made (here, no progress file).
TEST(NotATerminal, UnknownSaysSoOnOneLineAndTouchesNothing) {
  GameSession game({.term = "no-such-terminal", .runningTime = -1});
  PtyTerminal& term = *game.terminal;
  EXPECT_TRUE(exitedWith(term, 2)) << term.screenText();
  const std::string& said = term.output();
  EXPECT_GT(said.size(), 2u);
  EXPECT_EQ(said.find('\n'), said.size() - 1) << "one line: " << said;
  EXPECT_TRUE(std::filesystem::is_empty(game.folder.path())) << "the game touched its folder";
}

// How many times the terminal's screen shows `utf8`.
int timesShown(const PtyTerminal& term, const std::string& utf8) {
  const std::string screen = term.screenText();
  int times = 0;
  for (std::size_t at = screen.find(utf8); at != std::string::npos; at = screen.find(utf8, at + 1)) ++times;
  return times;
}

// The dumb terminal plays plain: lines without a single control sequence,
// a menu's button chosen by its number. (No world here: the buttons have
// no names.)
TEST(PlainPlay, OnTheDumbTerminalTheGameIsLinesAndMenusAreNumbered) {
  GameSession game({.term = "dumb"});
  PtyTerminal& term = *game.terminal;
  ASSERT_SEEN(term, term.shows("  3."));
  term.send("3\r");  // the main menu's third button: the exit question, two buttons
  ASSERT_SEEN(term, timesShown(term, "* 1.") == 2);
  term.send("\r");
  EXPECT_TRUE(exitedWith(term, 1)) << term.screenText();
  EXPECT_EQ(term.output().find('\x1b'), std::string::npos) << "a control sequence: " << term.output();
}

// Input that is not a terminal and ends before the game: the game ends
// with status 3 and says why, having shown what it said until then.
TEST(PlainPlay, InputThatEndsEndsTheGameWithStatusThree) {
  GameSession game({.nullFd = 0});
  PtyTerminal& term = *game.terminal;
  EXPECT_TRUE(exitedWith(term, 3)) << term.screenText();
  EXPECT_TRUE(term.shows("* 1.")) << term.screenText();
  EXPECT_TRUE(term.shows("the input ended before the game did")) << term.screenText();
}

}  // namespace
}  // namespace e2e
