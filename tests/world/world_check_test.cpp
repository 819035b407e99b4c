// The checker finds each kind of break in a world, at the right file and line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tools/world_check.h"
#include "world_folder.h"

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::UnorderedElementsAre;
using worldtool::checkWorld;
using worldtool::Problems;

namespace {

// "file:line" of every problem, to compare with where the break was made.
std::vector<std::string> places(const Problems& problems) {
  std::vector<std::string> list;
  for (const auto& problem : problems) list.push_back(problem.file + ":" + std::to_string(problem.line));
  return list;
}

std::string all(const Problems& problems) {
  std::string text;
  for (const auto& problem : problems) text += describe(problem, "") + "\n";
  return text;
}

std::string repeated(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

TEST(WorldCheck, AcceptsACleanWorldAlsoWithCrLfAndAByteOrderMark) {
  WorldFolder world;
  EXPECT_THAT(all(checkWorld(world.path())), IsEmpty());

  for (const char* name : {"tr.lng", "game.dat", "rooms/1.room", "objects/4.object"}) {
    std::string text = world.read(name);
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2) text.insert(at, "\r");
    world.write(name, "\xEF\xBB\xBF" + text);
  }
  EXPECT_THAT(all(checkWorld(world.path())), IsEmpty());
}

TEST(WorldCheck, ReportsCharactersWithoutACodePageByte) {
  WorldFolder world;
  world.setLine("rooms/1.room", 4, "Kalp ♥ burada");
  world.setLine("objects/2.object", 5, "bozuk \xFF bayt");
  world.setLine("tr.lng", world.lineOf("tr.lng", "<HelpScreen>"), "<HelpScreen>ok → sağ</HelpScreen>");
  const Problems problems = checkWorld(world.path());
  EXPECT_THAT(places(problems),
              UnorderedElementsAre("rooms/1.room:4", "objects/2.object:5",
                                   "tr.lng:" + std::to_string(world.lineOf("tr.lng", "<HelpScreen>"))));
  EXPECT_THAT(all(problems), HasSubstr("U+2665"));
  EXPECT_THAT(all(problems), HasSubstr("invalid UTF-8"));
}

TEST(WorldCheck, HoldsNamesAndLabelsTo19CharactersAndTextsTo499) {
  WorldFolder world;
  world.setLine("rooms/1.room", 2, repeated("O", 20));              // room name
  world.setLine("objects/3.object", 40, repeated("k", 20));         // deactivate label
  world.setLine("objects/3.object", 8, repeated("x", 500));         // examine text
  world.setLine("objects/3.object", 36, repeated("ğ", 19));         // 19 letters, 38 UTF-8 bytes
  world.setLine("objects/3.object", 9, repeated("ş", 499));         // at the limit
  world.setLine("objects/3.object", 1, repeated("ignored ", 100));  // line 1 has no limit
  const Problems problems = checkWorld(world.path());
  EXPECT_THAT(places(problems), UnorderedElementsAre("rooms/1.room:2", "objects/3.object:40", "objects/3.object:8"));
  EXPECT_THAT(all(problems), HasSubstr("holds 20 characters"));
  EXPECT_THAT(all(problems), HasSubstr("holds 500 characters"));
}

TEST(WorldCheck, ReportsWordsThatCannotBeTyped) {
  WorldFolder world;
  world.setLine("objects/1.object", 2, "Lamba");
  world.setLine("objects/2.object", 2, "ESKI LAMBA");
  world.setLine("objects/3.object", 2, "");
  world.setLine("objects/4.object", 2, "ŞİŞE");
  world.setLine("objects/5.object", 2, "CEPLER");  // the pockets word
  const int watch = world.lineOf("tr.lng", "<Watch>");
  world.setLine("tr.lng", watch, "<Watch>izle</Watch>");
  const int pockets = world.lineOf("tr.lng", "<Pockets>CEPLER");
  world.setLine("tr.lng", pockets, "<Pockets> CEPLER</Pockets>");
  const Problems problems = checkWorld(world.path());
  EXPECT_THAT(places(problems),
              UnorderedElementsAre("objects/1.object:2", "objects/2.object:2", "objects/3.object:2",
                                   "objects/4.object:2", "tr.lng:" + std::to_string(watch),
                                   "tr.lng:" + std::to_string(pockets)));

  world.setLine("tr.lng", pockets, "<Pockets>CEPLER</Pockets>");
  EXPECT_THAT(places(checkWorld(world.path())), testing::Contains("objects/5.object:2"));
}

TEST(WorldCheck, ReportsBrokenNumberBlocks) {
  WorldFolder world;
  world.setLine("rooms/1.room", 23, "0 2");                      // IsThatDark
  world.setLine("rooms/2.room", 25, "7 8 100 0 0 0 0 0 0 0");    // a code past 99
  world.setLine("rooms/3.room", 24, "0 0 0 x 0 0 0 0 0 0");      // not a number
  world.setLine("objects/6.object", 48, "0 0 0 -1 0");           // a negative code
  world.setLine("objects/7.object", 48, "0 0 0 0");              // one number short
  world.setLine("objects/8.object", 48, "0 0 0 0 0 0");          // one number too many
  const Problems problems = checkWorld(world.path());
  EXPECT_THAT(places(problems), UnorderedElementsAre("rooms/1.room:23", "rooms/2.room:25", "rooms/3.room:24",
                                                     "objects/6.object:48", "objects/7.object:48",
                                                     "objects/8.object:48"));
  EXPECT_THAT(all(problems), HasSubstr("IsThatDark must be 0 or 1, not 2"));
  EXPECT_THAT(all(problems), HasSubstr("Contents 5 is the first one missing"));
}

TEST(WorldCheck, ReportsADocumentCutShort) {
  WorldFolder world;
  std::string text = world.read("objects/9.object");
  text.erase(text.find("text of line 30"));
  world.write("objects/9.object", text);
  EXPECT_THAT(places(checkWorld(world.path())), ElementsAre("objects/9.object:29"));
}

TEST(WorldCheck, ReportsDocumentsTheGameNeverLoads) {
  WorldFolder world;
  world.write("rooms/5.room", world.read("rooms/3.room"));
  world.write("objects/01.object", world.read("objects/1.object"));
  world.write("objects/100.object", world.read("objects/1.object"));
  const Problems problems = checkWorld(world.path());
  EXPECT_THAT(places(problems), UnorderedElementsAre("rooms/5.room:0", "objects/01.object:0", "objects/100.object:0"));
  EXPECT_THAT(all(problems), HasSubstr("rooms/4.room is missing"));
}

TEST(WorldCheck, ReportsCodesWithoutADocument) {
  WorldFolder world;
  world.setLine("rooms/1.room", 24, "2 7 0 0 0 0 0 0 0 0");
  world.setLine("rooms/2.room", 26, "12 0 0 0 0 0 0 0 0 0");
  world.setLine("objects/2.object", 47, "0 1 0 0 0 0 10");
  EXPECT_THAT(places(checkWorld(world.path())),
              UnorderedElementsAre("rooms/1.room:24", "rooms/2.room:26", "objects/2.object:47"));
}

TEST(WorldCheck, ReportsWhatTheRulesOfUsingObjectsMiss) {
  WorldFolder world;
  world.setLine("rooms/1.room", 25, "1 2 3 5 6 0 0 0 0 0");  // object 4 gone from room 1
  world.setLine("objects/9.object", 47, "1 0 0 0 0 0 0");    // object 9 cannot be used
  Problems problems = checkWorld(world.path());
  EXPECT_THAT(places(problems), UnorderedElementsAre("rooms/1.room:25", "objects/9.object:47"));
  EXPECT_THAT(all(problems), HasSubstr("object 4 must lie in Contents"));

  world.remove("rooms/3.room");
  world.setLine("rooms/2.room", 25, "7 9 0 0 0 0 0 0 0 0");  // object 8 moved out of room 2
  problems = checkWorld(world.path());
  EXPECT_THAT(places(problems),
              UnorderedElementsAre("rooms/1.room:25", "objects/9.object:47", "rooms/3.room:0", "rooms/2.room:25"));
}

TEST(WorldCheck, ReportsFaultsOfTheTwoXmlFiles) {
  WorldFolder world;
  const int help = world.lineOf("tr.lng", "<HelpScreen>");
  world.setLine("tr.lng", help, "<HelpScreen>Yardım</Help>");
  world.write("game.dat", "<?xml version=\"1.0\"?>\n<RunningTime>bir</RunningTime>\n");
  Problems problems = checkWorld(world.path());
  EXPECT_THAT(places(problems), UnorderedElementsAre("tr.lng:" + std::to_string(help), "game.dat:2", "game.dat:0"));
  EXPECT_THAT(all(problems), HasSubstr("not well-formed XML"));
  EXPECT_THAT(all(problems), HasSubstr("missing element version"));

  WorldFolder other;
  const int yes = other.lineOf("tr.lng", "<Yes>");
  other.setLine("tr.lng", yes, "");
  other.setLine("tr.lng", 1, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>");
  other.remove("game.dat");
  problems = checkWorld(other.path());
  EXPECT_THAT(places(problems),
              UnorderedElementsAre("tr.lng:1", "tr.lng:" + std::to_string(other.lineOf("tr.lng", "<Buttons>")),
                                   "game.dat:0"));
  EXPECT_THAT(all(problems), HasSubstr("missing element Buttons/Yes"));
}

}  // namespace
