// The checker finds each kind of break in a world, at the right file and line.
#include "tools/world_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "world_folder.h"

using testing::HasSubstr;
using worldtool::checkWorld;
using worldtool::Problems;

namespace {

// "file:line: what" of every problem, one a line.
std::string all(const Problems& problems) {
  std::string text;
  for (const auto& problem : problems) text += describe(problem, "") + "\n";
  return text;
}

std::string repeated(const std::string& piece, int times) {
  std::string text;
  while (times-- > 0) text += piece;
  return text;
}

TEST(WorldCheck, AcceptsACleanWorldWithCrLfAByteOrderMarkAndLinesAtTheirLimits) {
  WorldFolder world;
  world.setLine("objects/3.object", 36, repeated("ğ", 19));         // a label: 19 letters, 38 UTF-8 bytes
  world.setLine("objects/3.object", 9, repeated("ş", 499));         // a text line
  world.setLine("objects/3.object", 1, repeated("ignored ", 100));  // line 1 has no limit
  for (const char* name : {"tr.lng", "game.dat", "rooms/1.room", "objects/4.object"}) {
    std::string text = world.read(name);
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2) text.insert(at, "\r");
    world.write(name, "\xEF\xBB\xBF" + text);
  }
  EXPECT_EQ(all(checkWorld(world.path())), "");
}

TEST(WorldCheck, ReportsEachBreakOfALineThereAndOnlyThere) {
  // The file, its line (a number, or what the line holds), what it becomes, and what the report says.
  const struct { std::string file, at, text, says; } breaks[] = {
      {"rooms/1.room", "4", "Kalp ♥ burada", "U+2665"},  // characters without a code page byte
      {"objects/2.object", "5", "bozuk \xFF bayt", "invalid UTF-8"},
      {"tr.lng", "<HelpScreen>", "<HelpScreen>ok → sağ</HelpScreen>", "U+2192"},
      {"rooms/1.room", "2", std::string(20, 'O'), "holds 20 characters"},  // a name, a label, a text line
      {"objects/3.object", "40", std::string(20, 'k'), "holds 20 characters"},
      {"objects/3.object", "8", std::string(500, 'x'), "holds 500 characters"},
      {"objects/1.object", "2", "Lamba", "lower-case"},  // words that cannot be typed
      {"objects/2.object", "2", "ESKI LAMBA", "blank"},
      {"objects/3.object", "2", "", "is empty"},
      {"objects/4.object", "2", "ŞİŞE", "cannot store"},
      {"objects/5.object", "2", "CEPLER", "is the pockets word"},
      {"tr.lng", "<Watch>", "<Watch>izle</Watch>", "Introduction/Watch \"izle\" holds a lower-case"},
      {"tr.lng", "<Pockets>CEPLER", "<Pockets> CEPLER</Pockets>", "Other/Pockets \" CEPLER\" holds a blank"},
      {"rooms/1.room", "23", "0 2", "IsThatDark must be 0 or 1, not 2"},  // broken number blocks
      {"rooms/2.room", "25", "7 8 100 0 0 0 0 0 0 0", "Contents 3: code 100 is out of range"},
      {"rooms/3.room", "24", "0 0 0 x 0 0 0 0 0 0", "\"x\" is not a number"},
      {"objects/6.object", "48", "0 0 0 -1 0", "Contents 4: code -1 is out of range"},
      {"objects/7.object", "48", "0 0 0 0", "Contents 5 is the first one missing"},
      {"objects/8.object", "48", "0 0 0 0 0 0", "\"0\" follows the 12 numbers"},
      {"rooms/1.room", "24", "2 7 0 0 0 0 0 0 0 0", "Links 2: room 7 has no document"},  // codes without a document
      {"rooms/2.room", "26", "12 0 0 0 0 0 0 0 0 0", "ContentsWhileDark 1: object 12 has no document"},
      {"objects/2.object", "47", "0 1 0 0 0 0 10", "NewObjectAfterCombination: object 10 has no document"},
      {"rooms/1.room", "25", "1 2 3 5 6 0 0 0 0 0", "object 4 must lie in Contents"},  // the rules of using objects
      {"rooms/2.room", "25", "7 9 0 0 0 0 0 0 0 0", "object 8 must lie in Contents"},
      {"objects/9.object", "47", "1 0 0 0 0 0 0", "CanInteract must be 1"},
      {"tr.lng", "<HelpScreen>", "<HelpScreen>Yardım</Help>", "not well-formed XML"},  // the two XML files
      {"tr.lng", "1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", "Latin-1"},
      {"game.dat", "2", "<RunningTime>bir</RunningTime>", "RunningTime must hold a whole number"}};
  for (const auto& [file, at, text, says] : breaks) {
    WorldFolder world;
    const int line = std::isdigit(static_cast<unsigned char>(at[0])) ? std::stoi(at) : world.lineOf(file, at);
    world.setLine(file, line, text);
    const std::string report = all(checkWorld(world.path()));
    EXPECT_EQ(report.find(file + ":" + std::to_string(line) + ": "), 0u) << report;
    EXPECT_EQ(report.find('\n'), report.size() - 1) << report;
    EXPECT_THAT(report, HasSubstr(says));
  }
}

TEST(WorldCheck, ReportsDocumentsCutShortOrNeverLoadedAndMissingFilesAndElements) {
  WorldFolder world;
  std::string cut = world.read("objects/9.object");
  world.write("objects/9.object", cut.erase(cut.find("text of line 30")));
  for (const char* stray : {"rooms/5.room", "objects/01.object", "objects/100.object"}) world.write(stray, "");
  world.setLine("tr.lng", world.lineOf("tr.lng", "<Yes>"), "");
  world.setLine("game.dat", 3, "");
  const std::string report = all(checkWorld(world.path()));
  EXPECT_THAT(report, HasSubstr("tr.lng:" + std::to_string(world.lineOf("tr.lng", "<Buttons>")) +
                                ": missing element Buttons/Yes\n"));
  for (const char* expected : {"game.dat: missing element version\n", "objects/01.object: is not named by a code",
                               "rooms/5.room: is never loaded: rooms/4.room is missing",
                               "objects/100.object: code 100 is past 99",
                               "objects/9.object:29: the document ends after line 29"})
    EXPECT_THAT(report, HasSubstr(expected));
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 6) << report;
  world.remove("game.dat");
  world.remove("rooms/3.room");
  EXPECT_THAT(all(checkWorld(world.path())), HasSubstr("game.dat: missing\n"));
  EXPECT_THAT(all(checkWorld(world.path())), HasSubstr("rooms/3.room: not loaded, but the game's rules lead"));
}

}  // namespace
