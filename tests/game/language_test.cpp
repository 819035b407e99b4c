// Reading the interface strings from the language file.
#include "game/language.h"

#include "game_unit.h"

namespace {

const std::string kAdvice = " I highly recommend you to download the game again.";

using Language = GameUnit;

TEST_F(Language, TakesTheFirstTextOfEachPathIntoItsOwnString) {
  // Every element holds its path, but for a line break, a second element of
  // the same name, a child element and a CDATA section.
  const std::map<std::string, std::string> special{{"EpilepsyWarning", "Dikkat\n  iki"},
                                                   {"Buttons/No", ""},
                                                   {"HelpScreen", "a <b> & c"},
                                                   {"Introduction/Watch", "IZLE"},
                                                   {"Other/Pockets", "CEPLER"}};
  world.write("tr.lng", {{"EpilepsyWarning", "Dikkat\r\n  iki</EpilepsyWarning><EpilepsyWarning>2"},
                         {"Buttons/No", "<b>h</b>"},
                         {"HelpScreen", "<![CDATA[a <b> & c]]>"}});
  initialize();
  EXPECT_EQ(screenText(), "");
  for (const InterfaceString& string : interfaceStrings())
    EXPECT_EQ(*string.text, special.count(string.path) ? special.at(string.path) : string.path);
}

TEST_F(Language, OnlyTheFirstElementOfANameIsSearchedEvenWhenALaterOneHoldsThePath) {
  folder.write("tr.lng",
               "<Other><Order>K</Order></Other><Other><Order>L</Order><Pockets>CEPLER</Pockets></Other>"
               "<Pockets><TypePockets><T1>a</T1></TypePockets><TypePockets><T2>b</T2></TypePockets></Pockets>");
  Pockets = "stale";
  initialize();
  EXPECT_EQ(screenText(), "");
  EXPECT_EQ(Order + "|" + Pockets + "|" + TypePockets[0] + "|" + TypePockets[1], "K||a|");
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
