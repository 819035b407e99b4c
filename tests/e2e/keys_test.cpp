// Keys as a terminal sends them reach the game: typed letters, Backspace, Enter, arrows, Esc.
#include "game_session.h"

namespace e2e {
namespace {

using namespace std::string_literals;

TEST(Keys, EachFormReachesTheGameAndWhatIsNoKeyDoesNothing) {
  GameSession game({.runningTime = 0});  // a first run asks for the watch word
  PtyTerminal& term = *game.terminal;
  ASSERT_TRUE(term.waitUntil([&] { return term.cursorVisible() && term.shows(":"); }, kPatience)) << term.screenText();

  // Typed letters arrive as the game's own; one it has no letter for is
  // dropped, a NUL (Ctrl-Space) is no key; both forms of Backspace take them back.
  term.send("ş\0İ€a"s);
  ASSERT_TRUE(term.waitUntil([&] { return term.shows(": şİa"); }, kPatience)) << term.screenText();
  term.send("\x7f\b\x7f");
  ASSERT_TRUE(term.waitUntil([&] { return !term.shows("ş"); }, kPatience)) << term.screenText();
  term.send("\r");  // the empty watch word: on to the main menu
  ASSERT_TRUE(term.waitUntil([&] { return mainMenuAt(term, 6); }, kPatience)) << term.screenText();

  // An arrow in its CSI form moves the selection (it is no Esc); an unknown
  // sequence is no key, and the SS3 form moves the selection back.
  term.send("\x1b[B");
  ASSERT_TRUE(term.waitUntil([&] { return mainMenuAt(term, 10); }, kPatience)) << term.screenText();
  term.send("\x1b[24~\x1bOA");
  ASSERT_TRUE(term.waitUntil([&] { return mainMenuAt(term, 6); }, kPatience)) << term.screenText();

  term.send("\x1b");  // a lone Esc: the exit question
  ASSERT_TRUE(exitQuestionShown(term)) << term.screenText();
  term.send("\r");
  EXPECT_TRUE(exitedWith(term, 1)) << term.screenText();
}

}  // namespace
}  // namespace e2e
