// The screens around the game: first run, main menu, help, exit question.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game/game_state.h"
#include "game/gamedat.h"
#include "game/screens.h"
#include "kiv/kiv_engine.h"
#include "scene.h"

namespace {

using kiv::key::kDown;
using kiv::key::kEnter;
using kiv::key::kEscape;

std::string progressFile() {
  std::ifstream in("game.dat");
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void startWithCounter(int counter) {
  std::ofstream("game.dat") << "<RunningTime>" << counter << "</RunningTime>\n<version>0.1.0</version>\n";
  initialize_gamedat("game.dat");
}

bool mainMenuShown(const scene::Scene& s) {
  return s.row(6).find("UYAN") == 62 && s.row(10).find("YARDIM") == 62 && s.row(14).find("CIKIS") == 62;
}

TEST(FirstRun, AWrongWordIsRefusedAndTheRightOneSavesTheCounter) {
  scene::Scene s;
  startWithCounter(0);
  s.keys().type("YOK");
  s.keys().type(kEnter);
  s.play(goTo<menuler>(0, true));  // the script ends at the second question
  const auto refusal = s.find("Izlemek istemiyor musun?");
  ASSERT_GE(refusal.second, 0);
  EXPECT_GT(s.find("Giris metni.", refusal.second + 1).second, refusal.second) << "asked again below the refusal";
  EXPECT_NE(progressFile().find("<RunningTime>0</RunningTime>"), std::string::npos);

  s.keys().type("izle");  // typed in lower case, stored upper case
  s.keys().type(kEnter);
  s.play(goTo<menuler>(0, false));
  EXPECT_TRUE(mainMenuShown(s));
  EXPECT_NE(progressFile().find("<RunningTime>1</RunningTime>"), std::string::npos);
}

TEST(FirstRun, NoInTheExitQuestionLeavesTheCounterUnsaved) {
  scene::Scene s;
  startWithCounter(0);
  s.keys().type("IZ");
  s.keys().type(kEscape);
  s.keys().typeArrow(kiv::key::kRight);  // to No
  s.keys().type(kEnter);
  s.play(goTo<menuler>(0, true));
  EXPECT_TRUE(mainMenuShown(s));
  EXPECT_EQ(stringimiz, "IZ") << "what was typed before Esc is kept";
  EXPECT_NE(progressFile().find("<RunningTime>0</RunningTime>"), std::string::npos);
}

TEST(LaterRuns, GoStraightToTheMainMenuWithTwoColourChanges) {
  scene::Scene s;
  startWithCounter(7);
  s.play(goTo<menuler>(0, true));
  EXPECT_TRUE(mainMenuShown(s));
  EXPECT_FALSE(s.shows("Giris metni."));
  EXPECT_GE(s.device().beeps().size(), 2u);
  EXPECT_NE(progressFile().find("<RunningTime>8</RunningTime>"), std::string::npos);
  // Every save of one run writes the same count.
  s.play(goTo<menuler>(0, true));
  EXPECT_NE(progressFile().find("<RunningTime>8</RunningTime>"), std::string::npos);
}

TEST(MainMenu, TitlePictureAndVersionStandWhereTheyBelong) {
  scene::Scene s;
  s.play(goTo<menuler>(1, true));
  EXPECT_EQ(s.find("v0.1.0").second, 21) << "the version follows the picture's 22nd row";
  EXPECT_EQ(s.attributeAt(60, 6), 0x02);
  EXPECT_EQ(s.attributeAt(60, 10), 0x0E);
  EXPECT_EQ(s.attributeAt(60, 14), 0x0E);
}

TEST(MainMenu, HelpReturnsWithTheFirstButtonSelected) {
  scene::Scene s;
  s.keys().typeArrow(kDown);
  s.keys().type(kEnter);         // help
  s.keys().typeArrow(kDown);     // any key: both codes of an arrow are taken
  s.play(goTo<menuler>(1, true));
  EXPECT_TRUE(mainMenuShown(s));
  EXPECT_EQ(s.attributeAt(60, 6), 0x02);
  EXPECT_EQ(s.attributeAt(60, 10), 0x0E);
  EXPECT_EQ(s.device().keysLeft(), 0u);
}

TEST(MainMenu, HelpScreenShowsTheTitleLineAndTheText) {
  scene::Scene s;
  s.play(goTo<menuler>(2, true));
  EXPECT_EQ(s.row(3), std::string(26, ' ') + "Thalvorine v0.1.0");
  EXPECT_EQ(s.find("--YARDIM--"), std::make_pair(34, 5));
  EXPECT_TRUE(s.shows("Yardim metni."));
  EXPECT_GE(s.find("Bir tusa bas.").second, 8);
}

TEST(ExitQuestion, ButtonsStandTwoRowsBelowTheFarewellTextHoweverLong) {
  for (const std::string& farewell : {std::string("Gidiyor musun?"), std::string(150, 'x') + " son"}) {
    scene::Scene s;
    for (auto& text : ExitTexts) text = farewell;
    s.play(goTo<menuler>(3, true));
    const int lastRow = s.find(" son").second >= 0 ? s.find(" son").second : s.find(farewell).second;
    ASSERT_GE(lastRow, 9);
    EXPECT_EQ(s.row(lastRow + 2).find("EVET"), 30u);
    EXPECT_EQ(s.row(lastRow + 2).find("HAYIR"), 30u + 8 + 6) << "six columns between the labels";
  }
}

TEST(ExitQuestion, YesEndsWithStatusOneAndEscReturnsToTheMainMenu) {
  scene::Scene s;
  s.keys().type(kEscape);  // main menu: Esc opens the exit question
  s.keys().type(kEscape);  // exit question: Esc goes back
  s.keys().type(kEscape);
  s.keys().type(kEnter);   // yes
  EXPECT_EQ(s.play(goTo<menuler>(1, true)), 1);
  EXPECT_EQ(s.device().keysLeft(), 0u);
}

}  // namespace
