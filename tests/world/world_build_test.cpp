// The converter writes the code page bytes the game reads, and only for a clean world.
#include "tools/world_build.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "temp_folder.h"
#include "tools/world_check.h"
#include "tools/world_skeleton.h"
#include "world_writer.h"

using testing::HasSubstr;

namespace {

TEST(WorldBuild, WritesEveryDocumentInCodePage857AndRemovesOnesTheWorldNoLongerHasButOnlyForACleanWorld) {
  TempFolder source, output;  // the output holds an older build, with a document since dropped
  for (const char* name : {"game.dat", "rooms/2.room", "objects/10.object"}) output.write(name, "old");
  testworld::WorldWriter world(source.path());
  world.writeRuleWorld();
  world.write("objects/1.object",
              {{"Description 1", "ÇĞİÖŞÜ çğıöşü ░▒▓█ ═║╔╗╚╝ é£\tsekme"}, {"Description 2", "satır sonu CR LF\r"}});
  world.write("tr.lng", {{"HelpScreen", "░▒▓█ Yardım"}});
  std::ostringstream errors;
  ASSERT_TRUE(worldtool::buildWorld(source.path(), output.path(), errors)) << errors.str();
  EXPECT_THAT(output.read("objects/1.object"),
              HasSubstr("\nOBJECT1\n\x80\xA6\x98\x99\x9E\x9A \x87\xA7\x8D\x94\x9F\x81 \xB0\xB1\xB2\xDB "
                        "\xCD\xBA\xC9\xBB\xC8\xBC \x82\x9C\tsekme\nsat\x8Dr sonu CR LF\n"));  // the CR is gone
  EXPECT_THAT(output.read("tr.lng"), HasSubstr("<HelpScreen>\xB0\xB1\xB2\xDB Yard\x8Dm</HelpScreen>"));
  EXPECT_EQ(output.read("game.dat"), source.read("game.dat"));
  EXPECT_EQ(output.read("rooms/2.room"), source.read("rooms/2.room"));
  EXPECT_FALSE(std::filesystem::exists(output.path() / "objects/10.object"));
  // A broken world writes nothing and says where.
  world.write("rooms/1.room", {{"Name", "Bu isim fazla uzun bir oda"}});
  world.write("rooms/4.room");
  EXPECT_FALSE(worldtool::buildWorld(source.path(), output.path(), errors));
  EXPECT_THAT(errors.str(), HasSubstr((source.path() / "rooms/1.room").string() + ":2: "));
  EXPECT_EQ(output.read("rooms/1.room").find("Bu isim"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(output.path() / "rooms/4.room"));
}

TEST(WorldNew, WritesAWorldTheCheckerPassesIntoANewOrEmptyFolderOnly) {
  const TempFolder folder;
  std::ostringstream errors;
  ASSERT_TRUE(worldtool::writeSkeleton(folder.path() / "new", errors)) << errors.str();
  EXPECT_TRUE(worldtool::checkWorld(folder.path() / "new").empty());
  EXPECT_EQ(folder.read("new/rooms/3.room").substr(0, 12), "Header\nROOM3");
  EXPECT_EQ(folder.read("new/title"), "The story's title\n");     // what the story choice shows
  EXPECT_FALSE(worldtool::writeSkeleton(folder.path(), errors));  // not empty: nothing written over
  EXPECT_THAT(errors.str(), HasSubstr("is not empty"));
}

}  // namespace
