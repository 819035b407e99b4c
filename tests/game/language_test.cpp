// Reading the interface strings from the language file.
#include "game/language.h"

#include "game_unit.h"

namespace {

const std::string kAdvice = " I highly recommend you to download the game again.";

using Language = GameUnit;

TEST_F(Language, TakesTheFirstTextOfEachPathIntoItsString) {
  // Every string holds its path, but for a line break, a second element of
  // the same name, a child element and a CDATA section.
  world.write("tr.lng", {{"EpilepsyWarning", "Dikkat\r\n  iki</EpilepsyWarning><EpilepsyWarning>2"},
                         {"Buttons/No", "<b>h</b>"}, {"HelpScreen", "<![CDATA[a <b> & c]]>"}});
  initialize();
  EXPECT_EQ(screenText(), "");
  const std::pair<std::string, std::string> expected[] = {{EpilepsyWarning, "Dikkat\n  iki"}, {str_No, ""},
      {HelpScreen, "a <b> & c"}, {ExitTexts[2], "ExitTexts/T3"}, {PocketsAreFullTexts[4], "Pockets/PocketsAreFull/T5"},
      {PocketDescriptions[9], "Pockets/PocketDescriptions/T10"}, {MainMenuButtons_Exit, "Buttons/Exit"},
      {Order, "Other/Order"}, {Pockets, "CEPLER"}, {Watch, "IZLE"}, {Puzzle1OpeningText, "Puzzle1Opening/Text"},
      {TooManyWrongCommands[3], "TooManyWrongCommands/T3_2"}, {PressAnyKeyToContinue, "Other/PressAnyKeyToContinue"}};
  for (const auto& [got, want] : expected) EXPECT_EQ(got, want);
}

TEST_F(Language, AMissingOrMalformedFileIsReportedAndWhatWasReadBeforeTheErrorKept) {
  TooManyWrongCommands[2] = "stale";
  initialize();
  EXPECT_EQ(screenText(), "There is some problems with languange file : File was not found" + kAdvice);
  EXPECT_EQ(TooManyWrongCommands[2], "");
  kiv::Clear();
  folder.write("tr.lng", "<EpilepsyWarning>w</EpilepsyWarning><Other><Order>K</Order></Oth>");
  initialize();
  EXPECT_EQ(screenText(), "There is some problems with languange file : Start-end tags mismatch" + kAdvice);
  EXPECT_EQ(EpilepsyWarning + Order, "wK");
}

}  // namespace
