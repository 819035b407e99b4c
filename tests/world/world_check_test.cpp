// The checker finds each kind of break in a world, at the right file and line.
#include "tools/world_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "game/use_rules.h"
#include "temp_folder.h"
#include "world_writer.h"

using testing::HasSubstr;

namespace {

// A world without faults in a fresh folder, for each test to break.
class WorldCheck : public testing::Test {
 protected:
  WorldCheck() { world.writeRuleWorld(); }
  // "file:line: what" of every problem the checker finds, one a line.
  std::string report() const {
    std::string text;
    for (const auto& problem : worldtool::checkWorld(folder.path())) text += describe(problem, "") + "\n";
    return text;
  }
  TempFolder folder;
  testworld::WorldWriter world{folder.path()};
};

TEST_F(WorldCheck, AcceptsACleanWorldWithCrLfAByteOrderMarkAndLinesAtTheirLimits) {
  world.lineEnd = "\r\n";
  world.write("objects/3.object", {{"InteractTitle", std::string(18, 'G') + "ğ"},  // 19 letters, 20 bytes
                                   {"ExamineText 2", std::string(498, 'x') + "ş"},
                                   {"Header", std::string(800, 'x')}});  // no limit
  for (const char* name : {"tr.lng", "game.dat", "rooms/1.room"}) {
    world.write(name);
    folder.write(name, "\xEF\xBB\xBF" + folder.read(name));
  }
  EXPECT_EQ(report(), "");
}

TEST_F(WorldCheck, ReportsEachBreakOfAFieldAtItsLineAndNothingElse) {
  const struct {
    std::string file, field, value, says;
  } breaks[] = {
      {"rooms/1.room", "Description 2", "Kalp ♥ burada", "U+2665"},  // characters without a code page byte
      {"objects/2.object", "Description 3", "bozuk \xFF bayt", "invalid UTF-8"},
      {"tr.lng", "HelpScreen", "ok &#351; sağ", "the reference &#351; would show as other letters"},
      {"rooms/1.room", "Name", std::string(20, 'O'), "holds 20 characters"},  // a name, a label, a text line
      {"objects/3.object", "PassivationTitle", std::string(20, 'k'), "holds 20 characters"},
      {"objects/3.object", "ExamineText 1", std::string(500, 'x'), "holds 500 characters"},
      {"objects/1.object", "Name", "Lamba", "lower-case"},  // words that cannot be typed
      {"objects/2.object", "Name", "ESKI LAMBA", "blank"},
      {"objects/3.object", "Name", "", "is empty"},
      {"objects/4.object", "Name", "ŞİŞE", "cannot store"},
      {"objects/5.object", "Name", "CEPLER", "is the pockets word"},
      {"tr.lng", "Introduction/Watch", "izle", "Introduction/Watch \"izle\" holds a lower-case"},
      {"tr.lng", "Other/Pockets", " CEPLER", "Other/Pockets \" CEPLER\" holds a blank"},
      {"rooms/1.room", "IsThatDark", "2", "IsThatDark must be 0 or 1, not 2"},  // broken number blocks
      {"rooms/2.room", "Contents 3", "100", "Contents 3: code 100 is out of range"},
      {"rooms/3.room", "Links 4", "x", "\"x\" is not a number"},
      {"objects/6.object", "Contents 4", "-1", "Contents 4: code -1 is out of range"},
      {"objects/7.object", "Contents 5", "", "Contents 5 is the first one missing"},
      {"objects/8.object", "Contents 5", "0 0", "\"0\" follows the 12 numbers"},
      {"rooms/1.room", "Links 2", "7", "Links 2: room 7 has no document"},  // codes without a document
      {"rooms/2.room", "ContentsWhileDark 1", "12", "ContentsWhileDark 1: object 12 has no document"},
      {"objects/2.object", "NewObjectAfterCombination", "10", "NewObjectAfterCombination: object 10 has no document"},
      {"rooms/1.room", "Contents 3", "0", "object 4 must lie in Contents"},  // the rules of using objects
      {"rooms/2.room", "Contents 1", "0", "object 8 must lie in Contents"},
      {"objects/9.object", "CanInteract", "0", "CanInteract must be 1"},
      {"tr.lng", "HelpScreen", "Yardım</Help>", "not well-formed XML"},  // the two XML files
      {"tr.lng", "?xml", "version=\"1.0\" encoding=\"ISO-8859-1\"", "Latin-1"},
      {"game.dat", "RunningTime", "bir", "RunningTime must hold a whole number"}};
  for (const auto& [file, field, value, says] : breaks) {
    world.writeRuleWorld();
    world.write(file, {{field, value}});
    const std::string said = report();
    EXPECT_EQ(said.find(file + ":" + std::to_string(world.lineOf(file, field)) + ": "), 0u) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
    EXPECT_THAT(said, HasSubstr(says));
  }
}

TEST_F(WorldCheck, ReportsDocumentsCutShortOrNeverLoadedAndMissingFilesAndElements) {
  const std::string whole = folder.read("objects/9.object");
  folder.write("objects/9.object", whole.substr(0, whole.find("UnableToCombineText 1")));
  for (const char* stray : {"rooms/5.room", "objects/01.object", "objects/100.object"}) folder.write(stray, "");
  const std::string language = folder.read("tr.lng");
  folder.write("tr.lng", language.substr(0, language.find("<Yes>")) + language.substr(language.find("</Yes>") + 6));
  folder.write("game.dat", "<RunningTime>0</RunningTime>");
  const std::string said = report();
  EXPECT_THAT(said, HasSubstr("tr.lng:" + std::to_string(world.lineOf("tr.lng", "Buttons")) +
                              ": missing element Buttons/Yes\n"));
  for (const char* expected :
       {"game.dat: missing element version\n", "objects/01.object: is not named by a code",
        "rooms/5.room: is never loaded: rooms/4.room is missing", "objects/100.object: code 100 is past 99",
        "objects/9.object:29: the document ends after line 29; an object has 46 text lines"})
    EXPECT_THAT(said, HasSubstr(expected));
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 6) << said;
  std::filesystem::remove(folder.path() / "game.dat");
  std::filesystem::remove(folder.path() / "rooms/3.room");
  EXPECT_THAT(report(), HasSubstr("game.dat: missing\n"));
  EXPECT_THAT(report(), HasSubstr("rooms/3.room: not loaded, but the game's rules lead"));
}

TEST_F(WorldCheck, HoldsTheWorldToEveryRuleTheGameUses) {
  for (const UseRule& rule : kUseRules) {
    const std::string object = std::to_string(indexOf(rule.object));
    world.writeRuleWorld();
    world.write("objects/" + object + ".object", {{"CanInteract", "0"}});
    EXPECT_THAT(report(), HasSubstr("CanInteract must be 1: using object " + object + " in room " +
                                    std::to_string(indexOf(rule.room))));
  }
}

TEST_F(WorldCheck, ObjectsOfOneRoomNeedNamesOfTheirOwnAndAnEmptyWatchWordIsTypedWithEnter) {
  world.write("objects/2.object", {{"Name", "OBJECT1"}});
  world.write("tr.lng", {{"Introduction/Watch", ""}});
  EXPECT_EQ(report(), "rooms/1.room:" + std::to_string(world.lineOf("rooms/1.room", "Contents 2")) +
                          ": objects 1 and 2 are both called \"OBJECT1\" here: typing it opens only the first\n");
}

TEST_F(WorldCheck, ALaterElementOfANameTheGameReadsIsAFaultAtItsLine) {
  const std::string language = folder.read("tr.lng");
  folder.write("tr.lng", language + "<Other><Pockets>CEP</Pockets></Other><Buttons><Yes/></Buttons><Stray/><Stray/>\n");
  const std::string line = std::to_string(std::count(language.begin(), language.end(), '\n') + 1);
  EXPECT_EQ(report(), "tr.lng:" + line + ": a later <Buttons> is ignored: the game reads only the first, on line " +
                          std::to_string(world.lineOf("tr.lng", "Buttons")) + "\n" + "tr.lng:" + line +
                          ": a later <Other> is ignored: the game reads only the first, on line " +
                          std::to_string(world.lineOf("tr.lng", "Other")) + "\n");
}

TEST_F(WorldCheck, AStorysTitleIsOneLineThatFitsTheStoryChoice) {
  const struct {
    std::string title, says;
  } titles[] = {
      {"Deniz Feneri\r\n", ""},
      {std::string(39, 'x') + "ş\n", ""},  // 40 letters, 41 bytes: at the limit
      {std::string(41, 'x'), "title:1: the title is 41 characters long; the story choice shows 40\n"},
      {"  \n", "title:1: the title is empty: write the story's title on the first line\n"},
      {"", "title:1: the title is empty: write the story's title on the first line\n"},
      {"Deniz\nFeneri\n", "title:2: a title is one line\n"},
      {"Kalp ♥\n", "title:1: character U+2665"},
  };
  for (const auto& [title, says] : titles) {
    folder.write("title", title);
    if (says.empty())
      EXPECT_EQ(report(), "") << title;
    else
      EXPECT_THAT(report(), HasSubstr(says)) << title;
  }
}

}  // namespace
