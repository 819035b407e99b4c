// The converter writes the code page bytes the game reads, and only for a clean world.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game/objects.h"
#include "game/rooms.h"
#include "tools/world_build.h"
#include "world_folder.h"

using testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

class WorldBuild : public testing::Test {
 protected:
  ~WorldBuild() override { fs::remove_all(output_); }

  bool build() {
    errors_.str("");
    return worldtool::buildWorld(world_.path(), output_, errors_);
  }
  std::string built(const std::string& name) const {
    std::ifstream in(output_ / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::string builtLine(const std::string& name, int line) const {
    std::istringstream in(built(name));
    std::string text;
    for (int i = 0; i < line; ++i) std::getline(in, text);
    return text;
  }

  WorldFolder world_;
  fs::path output_ = makeTempFolder();
  std::ostringstream errors_;
};

TEST_F(WorldBuild, WritesTurkishLettersAndBoxCharactersAsCodePage857Bytes) {
  world_.setLine("objects/1.object", 3, "ÇĞİÖŞÜ çğıöşü ░▒▓█ ═║╔╗╚╝ é£\tsekme");
  world_.setLine("objects/1.object", 4, "satır sonu CR LF\r");
  ASSERT_TRUE(build()) << errors_.str();
  EXPECT_EQ(builtLine("objects/1.object", 3),
            "\x80\xA6\x98\x99\x9E\x9A \x87\xA7\x8D\x94\x9F\x81 \xB0\xB1\xB2\xDB \xCD\xBA\xC9\xBB\xC8\xBC \x82\x9C\tsekme");
  EXPECT_EQ(builtLine("objects/1.object", 4), "sat\x8Dr sonu CR LF");  // the CR is gone
  EXPECT_THAT(built("tr.lng"), HasSubstr("<Exit>\x80\x8Dk\x8D\x9F</Exit>"));
  EXPECT_THAT(built("tr.lng"), HasSubstr("<HelpScreen>\xB0\xB1\xB2\xDB Yard\x8Dm</HelpScreen>"));
  EXPECT_EQ(built("game.dat"), world_.read("game.dat"));
  EXPECT_EQ(built("rooms/2.room"), world_.read("rooms/2.room"));
}

TEST_F(WorldBuild, TheGamesLoadersReadTheBuiltDocuments) {
  world_.setLine("objects/4.object", 2, "SISE");
  world_.setLine("objects/4.object", 3, "Bir şişe duruyor.");
  world_.setLine("objects/4.object", 40, "Kapağı kapat");
  world_.setLine("objects/4.object", 47, "1 1 0 1 0 0 0");
  ASSERT_TRUE(build()) << errors_.str();

  objects bottle;
  ASSERT_TRUE(bottle.initialize((output_ / "objects").string() + "/", 4));
  EXPECT_STREQ(bottle.getName(), "SISE");
  EXPECT_STREQ(bottle.getDescription(0), "Bir \x9Fi\x9F" "e duruyor.");
  EXPECT_STREQ(bottle.getPassivationTitle(), "Kapa\xA7\x8D kapat");
  EXPECT_TRUE(bottle.getCanPickUp());
  EXPECT_TRUE(bottle.getIsThatActive());

  rooms first;
  ASSERT_TRUE(first.initialize((output_ / "rooms").string() + "/", 1));
  EXPECT_TRUE(first.getIsThatDark());
  EXPECT_EQ(first.getLink(0), 2);
  EXPECT_EQ(first.getContents(5), 6);
  EXPECT_EQ(first.getContentsWhileDark(1), 3);
}

TEST_F(WorldBuild, ABrokenWorldWritesNothingAndSaysWhere) {
  fs::create_directories(output_ / "rooms");
  std::ofstream(output_ / "tr.lng") << "old";
  world_.setLine("rooms/1.room", 2, "Bu isim fazla uzun bir oda");
  EXPECT_FALSE(build());
  EXPECT_THAT(errors_.str(), HasSubstr((world_.path() / "rooms/1.room").string() + ":2: "));
  EXPECT_EQ(built("tr.lng"), "old");
  EXPECT_FALSE(fs::exists(output_ / "rooms/1.room"));
}

TEST_F(WorldBuild, RemovesDocumentsTheWorldNoLongerHas) {
  world_.write("objects/10.object", world_.read("objects/9.object"));
  ASSERT_TRUE(build()) << errors_.str();
  ASSERT_TRUE(fs::exists(output_ / "objects/10.object"));
  world_.remove("objects/10.object");
  ASSERT_TRUE(build()) << errors_.str();
  EXPECT_FALSE(fs::exists(output_ / "objects/10.object"));
  EXPECT_TRUE(fs::exists(output_ / "objects/9.object"));
}

}  // namespace
