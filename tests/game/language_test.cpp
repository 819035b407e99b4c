// Reading the interface strings from the language file.
#include "game/language.h"

#include "unit_support.h"

namespace {

const std::string kAdvice = " I highly recommend you to download the game again.";

class Language : public GameUnit {};

TEST_F(Language, TakesTheFirstTextOfEachPath) {
  TooManyWrongCommands[4] = "stale";
  writeFile("tr.lng", "<EpilepsyWarning>Dikkat\r\n  iki</EpilepsyWarning><EpilepsyWarning>2</EpilepsyWarning>"
                      "<ExitTexts><T1>e1</T1><T3>e3</T3></ExitTexts><Other><Pockets>CEPLER</Pockets></Other>"
                      "<Pockets><PocketsAreFull><T5>dolu</T5></PocketsAreFull></Pockets><Buttons><No><b>h</b></No>"
                      "</Buttons><HelpScreen><![CDATA[a <b> & c]]></HelpScreen>");
  initialize();
  EXPECT_EQ(screenText(), "");
  const std::pair<std::string, std::string> expected[] = {
      {EpilepsyWarning, "Dikkat\n  iki"}, {ExitTexts[0], "e1"}, {ExitTexts[1], ""}, {ExitTexts[2], "e3"},
      {PocketsAreFullTexts[4], "dolu"}, {Pockets, "CEPLER"}, {str_No, ""}, {HelpScreen, "a <b> & c"},
      {TooManyWrongCommands[4], ""}};
  for (const auto& [got, want] : expected) EXPECT_EQ(got, want);
}

TEST_F(Language, AMissingOrMalformedFileIsReportedAndWhatWasReadBeforeTheErrorKept) {
  TooManyWrongCommands[2] = "stale";
  initialize();
  EXPECT_EQ(screenText(), "There is some problems with languange file : File was not found" + kAdvice);
  EXPECT_EQ(TooManyWrongCommands[2], "");
  kiv::Clear();
  writeFile("tr.lng", "<EpilepsyWarning>w</EpilepsyWarning><Other><Order>K</Order></Oth>");
  initialize();
  EXPECT_EQ(screenText(), "There is some problems with languange file : Start-end tags mismatch" + kAdvice);
  EXPECT_EQ(EpilepsyWarning + Order, "wK");
}

}  // namespace
