// A terminal too small for the game shows a notice, and the game waits behind it.
#include "game_session.h"

namespace e2e {
namespace {

TEST(Resize, TooSmallShowsTheNoticeAndHoldsKeysUntilTheGameIsSeenAgain) {
  GameSession game({"tmux-256color"});  // a terminal that erases in its own colours, not the pen's
  PtyTerminal& term = *game.terminal;
  ASSERT_SEEN(term, mainMenuAt(term, 6));

  term.resize(79, 30);
  ASSERT_SEEN(term, term.shows("needs a terminal"));
  EXPECT_FALSE(term.shows("v0.1.0")) << "the game shows through the notice";
  term.resize(100, 22);
  ASSERT_SEEN(term, term.shows("This one is 100 x 22."));

  // Esc while the notice is up, and time for the game to act on it, were it
  // to: the main menu is seen again before the exit question follows.
  term.send("\x1b");
  term.settle(300ms, kPatience);
  term.resize(80, 23);  // a status line took a row of 24: still large enough
  ASSERT_SEEN(term, mainMenuAt(term, 6));
  EXPECT_FALSE(term.shows("needs a terminal"));
  term.resize(100, 30);  // larger than the game: its 80 columns, more of its rows
  ASSERT_SEEN(term, term.shows("Thalvorine v0.1.0"));
  term.settle(200ms, kPatience);
  const int background = term.cell(0, 0).look.background;  // past the game's columns too
  for (int y = 0; y < 30; ++y)
    for (int x = 80; x < 100; ++x) ASSERT_EQ(term.cell(x, y).look.background, background) << x << ", " << y;
  term.send("\r");
  EXPECT_TRUE(exitedWith(term, 1)) << term.screenText();
}

}  // namespace
}  // namespace e2e
