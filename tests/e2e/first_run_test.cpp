// A first run with no language file and no world still plays through with empty texts.
#include "game_session.h"

namespace e2e {
namespace {

TEST(FirstRun, WithEmptyTextsTheWatchWordIsEnterAndEscLeadsOut) {
  GameSession game(progressFile(0, "0.1.0"));
  PtyTerminal& term = *game.terminal;

  // The start screen's line input: its " :" prompt and the cursor shown.
  ASSERT_TRUE(term.waitUntil([&] { return term.cursorVisible() && term.screenText().find(':') != std::string::npos; },
                             kPatience))
      << term.screenText();
  EXPECT_FALSE(mainMenuShown(term)) << "the main menu came before the question";

  // Typed letters arrive as the game's own (Turkish) letters and are echoed;
  // one the game has no letter for is dropped; Backspace takes them back.
  term.send("şİ€a");
  ASSERT_TRUE(term.waitForText(": şİa", kPatience)) << term.screenText();
  for (int i = 0; i < 3; ++i) term.press(VTERM_KEY_BACKSPACE);
  ASSERT_TRUE(term.waitUntil([&] { return term.screenText().find("şİ") == std::string::npos; }, kPatience))
      << term.screenText();

  term.press(VTERM_KEY_ENTER);  // the empty watch word
  ASSERT_TRUE(term.waitUntil([&] { return mainMenuShown(term); }, kPatience)) << term.screenText();
  EXPECT_NE(game.folder.read("game.dat").find("<RunningTime>1</RunningTime>"), std::string::npos);

  term.press(VTERM_KEY_ESCAPE);
  ASSERT_TRUE(term.waitForText("Thalvorine v0.1.0", kPatience, 5)) << term.screenText();
  expectExitWithStatusOne(term);
}

}  // namespace
}  // namespace e2e
