// Keys as a real terminal sends them, typed ahead or together, and the game stopped and continued.
#include <signal.h>

#include "game_session.h"

namespace e2e {
namespace {

TEST(Keys, AltEnterIsNoKeyAndTheGameGoesOn) {
  GameSession game;
  PtyTerminal& term = *game.terminal;
  ASSERT_SEEN(term, mainMenuAt(term, 6));
  term.send("\x1b\r");  // one chord, as many terminals send Alt+Enter
  EXPECT_FALSE(term.waitExit(500ms).has_value()) << "Alt+Enter answered the exit question";
  term.send("\x1b[B");
  ASSERT_SEEN(term, mainMenuAt(term, 10));
}

TEST(Keys, EscTypedAheadDuringTheMelodyIsEscAndTheNextKeyFollowsIt) {
  GameSession game({.speedup = 1});  // the melody at its real pace lasts 1.5 s
  PtyTerminal& term = *game.terminal;
  ASSERT_SEEN(term, term.shows("Thalvorine"));
  escThen(term, " ");  // Esc: the exit question; Space: its first button, Yes
  EXPECT_TRUE(exitedWith(term, 1)) << term.screenText();
}

TEST(Stops, CtrlZGivesTheTerminalBackAndTakesItAgainOnContinuing) {
  GameSession game;
  PtyTerminal& term = *game.terminal;
  ASSERT_SEEN(term, mainMenuAt(term, 6));
  const std::size_t before = term.output().size();
  term.send("\x1a");
  // No shell here could continue it (its process group is orphaned), so it goes on at once.
  const auto leftAndBack = [&] {
    const std::size_t left = term.output().find("\x1b[?1049l", before);
    return left != std::string::npos && term.output().find("\x1b[?1049h", left) != std::string::npos;
  };
  ASSERT_TRUE(term.waitUntil(leftAndBack, kPatience)) << "the terminal was not given back while stopped";
  ASSERT_SEEN(term, term.alternateScreen() && mainMenuAt(term, 6));
  quitFromTheMainMenu(term);
}

TEST(Stops, AGameStoppedFromOutsideIsDrawnAgainOverTheShellsLines) {
  GameSession game;
  PtyTerminal& term = *game.terminal;
  ASSERT_SEEN(term, mainMenuAt(term, 6));
  ASSERT_EQ(::kill(term.pid(), SIGSTOP), 0);
  term.show("\x1b[H\x1b[2J[1]+  Stopped  thalvorine\r\n$ fg\r\n");  // what a shell writes meanwhile
  ASSERT_TRUE(term.shows("$ fg"));
  ASSERT_EQ(::kill(term.pid(), SIGCONT), 0);
  ASSERT_SEEN(term, !term.shows("$ fg") && mainMenuAt(term, 6));
}

TEST(Saving, AFileSizeLimitFailsTheSaveAndTheGameGoesOn) {
  GameSession game({.fileSizeLimit = 0});
  PtyTerminal& term = *game.terminal;
  ASSERT_SEEN(term, mainMenuAt(term, 6));
  EXPECT_NE(game.folder.read("game.dat").find("<RunningTime>1</RunningTime>"), std::string::npos)
      << game.folder.read("game.dat");
  quitFromTheMainMenu(term);
}

}  // namespace
}  // namespace e2e
