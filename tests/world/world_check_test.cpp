// The checker finds each kind of break in a world, at the right file and line.
#include "tools/world_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

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

// Matches the report of a clean world when `says` is empty, else one that holds `says` (or opens with it).
testing::Matcher<std::string> reports(const std::string& says, bool opening = false) {
  if (says.empty()) return testing::IsEmpty();
  return opening ? testing::Matcher<std::string>(testing::StartsWith(says)) : HasSubstr(says);
}

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

// The original rules written out by hand, one a line from line 2.
const std::string kRules =
    "# the rules\n1 1 light\n3 1 light 1\n4 1 answer\n5 1 answer\n6 1 lead 2\n8 2 lead 3\n9 3 complete\n";

TEST_F(WorldCheck, RefusesEachBadRuleAtItsLineOfTheRulesDocument) {
  folder.write("rules.txt", kRules);
  EXPECT_EQ(report(), "");
  const struct {
    std::string lines;  // after the rules, from line 9
    testworld::Fields object7;
    std::string says;
  } breaks[] = {
      {"7 1 shine", {}, "9: unknown effect \"shine\": light, answer, lead or complete"},
      {"7 1", {}, "9: a rule is"},
      {"0 1 answer", {}, "9: \"0\" is not an object code"},
      {"7 100 answer", {}, "9: \"100\" is not a room code"},
      {"7 1 lead", {}, "9: lead needs the room it leads to"},
      {"7 1 lead 2 please", {}, "9: \"please\" is not understood here"},
      {"7 1 light needs-passer", {}, "9: a switch cannot need an object in hands"},
      {"4 1 answer  # again", {}, "9: a second rule for object 4 in room 1; the first is on line 4"},
      {"7 1 answer", {{"CanInteract", "0"}}, "9: object 7 cannot be used"},
      {"7 1 answer needs-passer", {{"CanInteract", "1"}}, "9: needs-passer, but object 7 has PasserObject 0"},
      {"7 12 answer", {{"CanInteract", "1"}}, "9: room 12 has no document"},
      {"12 1 answer", {}, "9: object 12 has no document"},
      {"holding-texts off", {}, "9: the setting is written \"holding-texts on\""},
      {"holding-texts on\nholding-texts on", {}, "10: holding-texts is already on, on line 9"},
  };
  for (const auto& [lines, object7, says] : breaks) {
    world.writeRuleWorld();
    world.write("objects/7.object", object7);
    folder.write("rules.txt", kRules + lines + "\n");
    const std::string said = report();
    EXPECT_EQ(said.rfind("rules.txt:" + says, 0), 0u) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  }
}

TEST_F(WorldCheck, EveryRoomMustBeReachedAndTheGameCompletedWithWhatCanBeCarried) {
  const struct {
    std::string rules;
    std::map<std::string, testworld::Fields> documents;
    std::string says;  // empty: a clean world
  } worlds[] = {
      {kRules.substr(0, kRules.find("9 3")), {}, "rules.txt: the game cannot be completed"},
      // The stairs need object 2 in hands, which nobody can pick up.
      {kRules.substr(0, kRules.find("8 2")) + "8 2 lead 3 needs-passer\n9 3 complete\n",
       {{"objects/8.object", {{"PasserObject", "2"}}}},
       "rooms/3.room: no passage reaches"},
      // The way out needs object 2 in hands: it must be carried from a room reached.
      {kRules, {{"objects/9.object", {{"PasserObject", "2"}}}}, ""},
      {kRules.substr(0, kRules.find("9 3")) + "9 3 complete needs-passer\n",
       {{"objects/9.object", {{"PasserObject", "2"}}}},
       "rules.txt: the game cannot be completed"},
      {kRules.substr(0, kRules.find("9 3")) + "9 3 complete needs-passer\n",
       {{"objects/9.object", {{"PasserObject", "2"}}}, {"objects/2.object", {{"CanPickUp", "1"}}}},
       ""},
      // ... or made of two that are: objects 2 and 7 become object 5.
      {kRules.substr(0, kRules.find("9 3")) + "9 3 complete needs-passer\n",
       {{"objects/9.object", {{"PasserObject", "5"}}},
        {"objects/2.object", {{"CanPickUp", "1"}, {"ObjectToCombine", "7"}, {"NewObjectAfterCombination", "5"}}},
        {"objects/7.object", {{"CanPickUp", "1"}, {"ObjectToCombine", "2"}, {"NewObjectAfterCombination", "5"}}}},
       ""},
      {kRules, {{"rooms/4.room", {}}}, "rooms/4.room: no passage reaches this room"},  // last: it stays
  };
  for (const auto& [rules, documents, says] : worlds) {
    world.writeRuleWorld();
    for (const auto& [file, fields] : documents) world.write(file, fields);
    folder.write("rules.txt", rules);
    EXPECT_THAT(report(), reports(says, true)) << rules;
  }
}

TEST_F(WorldCheck, ObjectsThatCombineNameEachOtherAndTheWordOfTheirButton) {
  const int combine = world.lineOf("objects/2.object", "ObjectToCombine");
  const std::string ties = "objects/2.object:" + std::to_string(combine) + ": ";
  const struct {
    testworld::Fields object2, object7;
    std::string says;
  } pairs[] = {
      {{{"ObjectToCombine", "7"}, {"NewObjectAfterCombination", "5"}}, {}, ties + "ObjectToCombine: object 7 does not"},
      {{{"ObjectToCombine", "7"}}, {{"ObjectToCombine", "2"}}, "NewObjectAfterCombination is 0"},
      {{{"ObjectToCombine", "7"}, {"NewObjectAfterCombination", "5"}},
       {{"ObjectToCombine", "2"}, {"NewObjectAfterCombination", "4"}},
       "names another object for the same pair"},
      {{{"ObjectToInteract", "7"}}, {}, ties + "ObjectToInteract: object 7 cannot be used"},
      {{{"ObjectToInteract", "4"}}, {}, ""},
  };
  for (const auto& [object2, object7, says] : pairs) {
    world.writeRuleWorld();
    world.write("objects/2.object", object2);
    world.write("objects/7.object", object7);
    EXPECT_THAT(report(), reports(says));
  }
  // A world that does not combine needs no word for the button; one that does, does.
  world.writeRuleWorld();
  world.write("tr.lng", {{"Buttons/Combine", ""}});
  EXPECT_EQ(report(), "");
  world.write("objects/2.object", {{"ObjectToCombine", "7"}, {"NewObjectAfterCombination", "5"}});
  world.write("objects/7.object", {{"ObjectToCombine", "2"}, {"NewObjectAfterCombination", "5"}});
  EXPECT_EQ(report(), "tr.lng: the world's objects combine, so the combine button needs its word: Buttons/Combine\n");
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
    EXPECT_THAT(report(), reports(says)) << title;
  }
}

}  // namespace
