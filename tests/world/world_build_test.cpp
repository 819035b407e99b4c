// The converter writes the code page bytes the game reads, and only for a clean world.
#include "tools/world_build.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "world_folder.h"

using testing::HasSubstr;

namespace {

TEST(WorldBuild, WritesEveryDocumentInCodePage857AndRemovesOnesTheWorldNoLongerHas) {
  WorldFolder world, output;  // the output holds an older build, with a document since dropped
  for (const char* name : {"game.dat", "rooms/2.room", "objects/10.object"}) output.write(name, "old");
  world.setLine("objects/1.object", 3, "ÇĞİÖŞÜ çğıöşü ░▒▓█ ═║╔╗╚╝ é£\tsekme");
  world.setLine("objects/1.object", 4, "satır sonu CR LF\r");
  std::ostringstream errors;
  ASSERT_TRUE(worldtool::buildWorld(world.path(), output.path(), errors)) << errors.str();
  EXPECT_THAT(output.read("objects/1.object"),
              HasSubstr("\nOBJECT1\n\x80\xA6\x98\x99\x9E\x9A \x87\xA7\x8D\x94\x9F\x81 \xB0\xB1\xB2\xDB "
                        "\xCD\xBA\xC9\xBB\xC8\xBC \x82\x9C\tsekme\nsat\x8Dr sonu CR LF\n"));  // the CR is gone
  EXPECT_THAT(output.read("tr.lng"), HasSubstr("<Exit>\x80\x8Dk\x8D\x9F</Exit>"));
  EXPECT_THAT(output.read("tr.lng"), HasSubstr("<HelpScreen>\xB0\xB1\xB2\xDB Yard\x8Dm</HelpScreen>"));
  EXPECT_EQ(output.read("game.dat"), world.read("game.dat"));
  EXPECT_EQ(output.read("rooms/2.room"), world.read("rooms/2.room"));
  EXPECT_FALSE(std::filesystem::exists(output.path() / "objects/10.object"));
}

TEST(WorldBuild, ABrokenWorldWritesNothingAndSaysWhere) {
  WorldFolder world, output;
  output.write("tr.lng", "old");
  output.remove("rooms/1.room");
  world.setLine("rooms/1.room", 2, "Bu isim fazla uzun bir oda");
  std::ostringstream errors;
  EXPECT_FALSE(worldtool::buildWorld(world.path(), output.path(), errors));
  EXPECT_THAT(errors.str(), HasSubstr((world.path() / "rooms/1.room").string() + ":2: "));
  EXPECT_EQ(output.read("tr.lng"), "old");
  EXPECT_FALSE(std::filesystem::exists(output.path() / "rooms/1.room"));
}

}  // namespace
