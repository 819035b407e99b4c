// The pockets: picking up, the pockets screen, holding and leaving objects.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/screens.h"
#include "kiv/kiv_engine.h"
#include "rule_world.h"

namespace {

using kiv::key::kEnter;
using kiv::key::kEscape;
using kiv::key::kRight;
using scene::sentenceOf;

struct Pockets : ::testing::Test {
  scene::Scene s;
  void SetUp() override {
    scene::buildRuleWorld(s);
    oda[1].setIsThatDark(false);
  }
  void command(const std::string& word) {
    s.keys().type(word);
    s.keys().type(kEnter);
  }
  void pickUp(const std::string& name) {
    command(name);
    s.keys().typeArrow(kRight);
    s.keys().type(kEnter);
  }
  // Opens the pockets and the object behind pocket button `button` (from 0).
  void openPocket(int button) {
    command("CEPLER");
    for (int i = 0; i < button; ++i) s.keys().typeArrow(kiv::key::kDown);
    s.keys().type(kEnter);
  }
  // In the holding menu: 0 take or put back, 1 leave, 2 back.
  void hold(int button) {
    for (int i = 0; i < button; ++i) s.keys().typeArrow(kRight);
    s.keys().type(kEnter);
  }
  std::vector<int> pockets() {
    std::vector<int> codes;
    for (int i = 0; i < inventory.getNumberOfItems(); ++i) codes.push_back(inventory.getItem(i));
    return codes;
  }
};

TEST_F(Pockets, EmptyPocketsShowATextAndTheRoomBelowIt) {
  command("CEPLER");
  s.play(goTo<ShowRoom>(1, true));
  EXPECT_EQ(s.find("Ceplerin bos.").second, 1);
  EXPECT_EQ(s.find("ILK ODA").second, 1 + 4) << "no box of its own: the room's box follows";
  EXPECT_FALSE(s.shows("Ceplerine bakiyorsun."));
  EXPECT_FALSE(s.shows("\xB0\xB0\xB0"));
}

TEST_F(Pockets, PickingUpMovesTheObjectAndNamesThePockets) {
  pickUp("ANAHTAR");
  s.play(goTo<ShowRoom>(1, true));
  EXPECT_EQ(pockets(), std::vector<int>{2});
  EXPECT_EQ(oda[1].getContents(1), 0);
  EXPECT_TRUE(s.shows("Ceplerinde: ANAHTAR"));
  EXPECT_TRUE(s.shows("Cepler icin CEPLER yaz."));
  EXPECT_FALSE(s.shows(sentenceOf("ANAHTAR"))) << "the room below no longer mentions it";
}

TEST_F(Pockets, OneObjectGetsItsButtonBesideThePicture) {
  inventory.addItem(2);
  command("CEPLER");
  s.play(goTo<ShowRoom>(1, true));
  EXPECT_EQ(s.find("Ceplerine bakiyorsun.").second, 9);
  EXPECT_EQ(s.row(25), "  " + std::string(27, '_'));
  EXPECT_EQ(s.row(26), "  " + std::string(27, '\xB0'));
  EXPECT_EQ(s.row(12).find("  ANAHTAR"), 30u);
  EXPECT_EQ(kiv::screen().viewTop(24), 6) << "a 24-row window shows the figure down to its ground line";
  EXPECT_EQ(s.attributeAt(30, 12), 0x02);
}

TEST_F(Pockets, SevenObjectsGiveFiveButtonsAndAllSevenAreNamed) {
  for (int code : {1, 2, 3, 4, 5, 6, 7}) inventory.addItem(code);
  EXPECT_EQ(inventory_list(), "LAMBA, ANAHTAR, DUGME, AYNA, RADYO, KAPI, KUTU");
  command("CEPLER");
  for (int i = 0; i < 6; ++i) s.keys().typeArrow(kiv::key::kDown);  // past the fifth: stays there
  s.keys().type(kEnter);
  s.play(goTo<ShowRoom>(1, true));
  EXPECT_TRUE(s.shows("RADYO inceleniyor.")) << "the fifth button is the last";
}

TEST_F(Pockets, ElevenObjectsRefuseEveryPickUpUntilOneIsLeft) {
  for (int i = 0; i < 11; ++i) inventory.addItem(i % 2 == 0 ? 4 : 5);
  const std::vector<int> full = pockets();
  pickUp("ANAHTAR");
  s.play(goTo<ShowRoom>(1, true));
  EXPECT_EQ(pockets(), full);
  EXPECT_EQ(oda[1].getContents(1), 2);
  EXPECT_TRUE(s.shows("Ceplerin dolu."));
  EXPECT_TRUE(s.shows(sentenceOf("ANAHTAR")));

  openPocket(0);
  hold(1);  // leave AYNA here
  pickUp("ANAHTAR");
  s.play(goTo<komutisteme>(1));
  EXPECT_EQ(inventory.getNumberOfItems(), 11);
  EXPECT_EQ(inventory.getItem(10), 2);
}

TEST_F(Pockets, TakingIntoHandsNamesTheHeldObjectAndReplacesTheOneHeldBefore) {
  inventory.addItem(2);
  inventory.addItem(7);
  openPocket(0);
  hold(0);
  s.play(goTo<ShowRoom>(1, true));
  EXPECT_EQ(elindekiesya, 2);
  EXPECT_TRUE(s.shows("Eline aldin."));
  EXPECT_FALSE(s.shows("Cebine koydun."));
  EXPECT_TRUE(s.shows("  Elinde tuttugun obje : ANAHTAR. "));

  openPocket(1);
  hold(0);
  s.play(goTo<komutisteme>(1));
  EXPECT_EQ(elindekiesya, 7);
  const int put = s.find("Cebine koydun.").second;
  EXPECT_GE(put, 0);
  EXPECT_GT(s.find("Eline aldin.").second, put);
  EXPECT_EQ(pockets(), (std::vector<int>{2, 7})) << "holding moves nothing";
}

TEST_F(Pockets, TheHeldObjectOffersPuttingBackWhichReturnsToThePockets) {
  inventory.addItem(2);
  elindekiesya = 2;
  openPocket(0);
  s.play(goTo<ShowRoom>(1, true));  // ends in the holding menu
  EXPECT_EQ(s.find("CEBE KOY").first, 7) << "the first button puts it back";
  hold(0);
  s.play(goTo<ElinealBirakCik>(2, 1));
  EXPECT_EQ(elindekiesya, 0);
  EXPECT_TRUE(s.shows("Ceplerine bakiyorsun.")) << "back on the pockets screen";
}

TEST_F(Pockets, BackReturnsToThePocketsAndEscToTheRoom) {
  inventory.addItem(2);
  openPocket(0);
  hold(2);
  s.play(goTo<ShowRoom>(1, true));
  EXPECT_TRUE(s.shows("Ceplerine bakiyorsun."));
  s.keys().type(kEscape);
  s.play(goTo<inventorymenu>(1));
  EXPECT_FALSE(s.shows("Ceplerine bakiyorsun."));
  EXPECT_EQ(s.find("ILK ODA").second, 4);
}

TEST_F(Pockets, ALeftObjectIsFoundLaterAndPickedUpOnceAgain) {
  pickUp("ANAHTAR");
  command("KAPI");
  s.keys().type(kEnter);  // use KAPI: on to room 2
  openPocket(0);
  hold(1);  // leave ANAHTAR in room 2
  s.play(goTo<ShowRoom>(1, true));
  EXPECT_EQ(gunceloda, 2);
  EXPECT_TRUE(pockets().empty());
  EXPECT_TRUE(s.shows("Biraktin."));
  EXPECT_TRUE(s.shows("ANAHTAR yerde duruyor."));

  pickUp("ANAHTAR");
  s.play(goTo<komutisteme>(2));
  EXPECT_EQ(pockets(), std::vector<int>{2});
  EXPECT_EQ(oda[2].getNumberOfLeftItems(), 0) << "taken out of the room's left items too";
  EXPECT_FALSE(s.shows("ANAHTAR yerde duruyor."));

  pickUp("ANAHTAR");  // no longer in the room: a wrong command
  s.play(goTo<komutisteme>(2));
  EXPECT_EQ(pockets(), std::vector<int>{2});
}

TEST_F(Pockets, LeavingTheHeldObjectEmptiesTheHands) {
  inventory.addItem(2);
  elindekiesya = 2;
  openPocket(0);
  hold(1);
  s.play(goTo<ShowRoom>(1, true));
  EXPECT_EQ(elindekiesya, 0);
  EXPECT_FALSE(s.shows("Elinde tuttugun obje"));
  EXPECT_TRUE(s.shows("ANAHTAR yerde duruyor."));
}

}  // namespace
