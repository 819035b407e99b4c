// Reading the interface strings from the language file.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/language.h"
#include "unit_support.h"

namespace {

const std::string kAdvice = " I highly recommend you to download the game again.";

class Language : public testing::Test {
 protected:
  void SetUp() override {
    kiv::attach(dev);
    resetGameState();
    for (auto& text : TooManyWrongCommands) text = "stale";
  }
  kiv::VirtualDevice dev;
  TempFolder folder;
};

TEST_F(Language, TakesTheFirstTextOfEachPath) {
  writeFile("tr.lng",
            "<?xml version=\"1.0\"?><EpilepsyWarning>Dikkat\r\n  iki</EpilepsyWarning><EpilepsyWarning>2</EpilepsyWarning>"
            "<ExitTexts><T1>e1</T1><T3>e3</T3><T6>e6</T6></ExitTexts>"
            "<Pockets><PocketsAreFull><T5>dolu</T5></PocketsAreFull><ObjectsInYourPockets>cep</ObjectsInYourPockets></Pockets>"
            "<Other><Order>Komut</Order><Pockets>CEPLER</Pockets></Other><HelpScreen><![CDATA[a <b> & c]]></HelpScreen>"
            "<Buttons><Yes>Evet</Yes><No><Hayir>h</Hayir></No></Buttons>"
            "<Introduction><DontYouWannaWatchTexts><T3>d3</T3></DontYouWannaWatchTexts></Introduction>");
  initialize();
  EXPECT_EQ(screenText(), "");
  const std::pair<std::string, std::string> expected[] = {
      {EpilepsyWarning, "Dikkat\n  iki"}, {ExitTexts[0], "e1"}, {ExitTexts[1], ""}, {ExitTexts[2], "e3"},
      {ExitTexts[4], ""}, {PocketsAreFullTexts[4], "dolu"}, {ObjectsInYourPockets, "cep"}, {Order, "Komut"},
      {Pockets, "CEPLER"}, {HelpScreen, "a <b> & c"}, {str_Yes, "Evet"}, {str_No, ""},
      {DontYouWannaWatchTexts[2], "d3"}, {TooManyWrongCommands[0], ""}, {TooManyWrongCommands[4], ""}};
  for (const auto& [got, want] : expected) EXPECT_EQ(got, want);
}

TEST_F(Language, AMissingFileIsReportedAndEveryStringIsEmpty) {
  initialize();
  EXPECT_EQ(screenText(), "There is some problems with languange file : File was not found" + kAdvice);
  EXPECT_EQ(TooManyWrongCommands[2], "");
}

TEST_F(Language, AMalformedFileKeepsWhatWasReadBeforeTheError) {
  writeFile("tr.lng", "<EpilepsyWarning>w</EpilepsyWarning><Other><Order>K</Order></Oth>");
  initialize();
  EXPECT_EQ(screenText(), "There is some problems with languange file : Start-end tags mismatch" + kAdvice);
  EXPECT_EQ(EpilepsyWarning + Order, "wK");
}

}  // namespace
