// Exploring: room screen, command prompt with hints, object screen, using.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/screens.h"
#include "kiv/kiv_engine.h"
#include "rule_world.h"

namespace {

using kiv::key::kEnter;
using kiv::key::kEscape;
using scene::sentenceOf;

struct Explore : ::testing::Test {
  scene::Scene s;
  void SetUp() override { scene::buildRuleWorld(s); }

  void command(const std::string& word) {
    s.keys().type(word);
    s.keys().type(kEnter);
  }
  // Types the object's name, then chooses its first button (use).
  void use(const std::string& name) {
    command(name);
    s.keys().type(kEnter);
  }
  void playFrom(int room, bool lit = false) {
    if (lit) oda[1].setIsThatDark(false);
    s.play(goTo<ShowRoom>(room, true));
  }
};

TEST_F(Explore, ADarkRoomShowsWhatIsSeenInTheDarkButThePromptKnowsTheLitRoom) {
  playFrom(1);
  EXPECT_EQ(gunceloda, 1);
  EXPECT_EQ(s.find("ILK ODA").second, 4);
  EXPECT_EQ(s.row(6), std::string(80, '\xDB'));
  EXPECT_EQ(s.row(8), "   Karanlik oda. " + sentenceOf("LAMBA") + " " + sentenceOf("DUGME"));
  EXPECT_EQ(s.find("KOMUT :").second, 10);
  EXPECT_EQ(esyaisimsirala(1), " LAMBA DUGME");

  command("AYNA");  // lies only in the lit room, and still opens
  s.play(goTo<komutisteme>(1));
  EXPECT_EQ(s.find("AYNA").second, 10) << "the object's box follows the room's";
  EXPECT_TRUE(s.shows("AYNA inceleniyor."));
}

TEST_F(Explore, WrongWordsCycleThroughTheHintsWithPeriodSix) {
  struct Expectation {
    std::vector<std::string> shown;  // in order down the screen
    int counter;
  };
  const std::vector<Expectation> afterWrongWords = {
      {{}, 1},
      {{"IPUCU0"}, 2},
      {{"IPUCU1 LAMBA DUGME."}, 3},
      {{"IPUCU2 LAMBA DUGMEIPUCU3"}, 4},
      {{"IPUCU2 LAMBA DUGMEIPUCU3"}, 5},
      {{"IPUCU4", "IPUCU2 LAMBA DUGMEIPUCU3"}, 0},
      {{}, 1},
  };
  for (int n = 1; n <= 7; ++n) {
    scene::Scene fresh;
    scene::buildRuleWorld(fresh);
    for (int i = 0; i < n; ++i) {
      fresh.keys().type("YANLIS");
      fresh.keys().type(kEnter);
    }
    fresh.play(goTo<ShowRoom>(1, true));
    const Expectation& expected = afterWrongWords[n - 1];
    EXPECT_EQ(yapilanhatasayisi, expected.counter) << n << " wrong words";
    int row = -1;
    for (const std::string& hint : expected.shown) {
      const int at = fresh.find(hint).second;
      EXPECT_GT(at, row) << n << " wrong words: " << hint;
      row = at;
    }
    if (expected.shown.empty()) {
      EXPECT_FALSE(fresh.shows("IPUCU")) << n << " wrong words";
    } else {
      EXPECT_GT(fresh.find("ILK ODA").second, row + 3) << "the room below the hint";
    }
  }
}

TEST_F(Explore, ThePocketsWordDoesNotResetTheCounterButAnObjectDoes) {
  command("YANLIS");
  command("CEPLER");  // empty pockets: a text, then the room
  command("YANLIS");
  playFrom(1);
  EXPECT_EQ(yapilanhatasayisi, 2);
  EXPECT_TRUE(s.shows("IPUCU0"));

  command("LAMBA");
  s.keys().type(kEscape);  // leave the object screen at once
  s.play(goTo<ShowRoom>(1, true));
  EXPECT_EQ(yapilanhatasayisi, 0);
}

TEST(EmptyRoom, HintsNameNothing) {
  scene::Scene s;
  scene::RoomDoc empty;
  empty.name = "BOS";
  s.addRoom(1, empty);
  s.load();
  for (int i = 0; i < 3; ++i) {
    s.keys().type("YANLIS");
    s.keys().type(kEnter);
  }
  s.play(goTo<ShowRoom>(1, true));
  EXPECT_TRUE(s.shows("IPUCU1."));
  s.keys().type("YANLIS");
  s.keys().type(kEnter);
  s.play(goTo<komutisteme>(1));
  EXPECT_TRUE(s.shows("IPUCU2IPUCU3"));
}

TEST_F(Explore, BothSwitchesLightAndDarkenTheFirstRoomWhicheverWasUsedLast) {
  use("LAMBA");
  playFrom(1);
  EXPECT_TRUE(s.shows("LAMBA calisti."));
  EXPECT_FALSE(oda[1].getIsThatDark());
  EXPECT_TRUE(esya[1].getIsThatActive());
  EXPECT_GT(s.find("Aydinlik oda.").second, s.find("LAMBA calisti.").second) << "the room follows below the text";

  use("DUGME");  // on as well: the room stays lit
  s.play(goTo<komutisteme>(1));
  EXPECT_FALSE(oda[1].getIsThatDark());
  use("LAMBA");  // off: dark, although DUGME is still on
  s.play(goTo<komutisteme>(1));
  EXPECT_TRUE(s.shows("LAMBA kapandi."));
  EXPECT_TRUE(oda[1].getIsThatDark());
  EXPECT_TRUE(esya[3].getIsThatActive());
  use("DUGME");  // off: still dark
  s.play(goTo<komutisteme>(1));
  EXPECT_TRUE(oda[1].getIsThatDark());
  EXPECT_FALSE(esya[3].getIsThatActive());
}

TEST_F(Explore, TheFirstButtonReadsThePassivationTitleOnlyForASwitchThatIsOnAndCanBeSwitchedOff) {
  struct Case {
    const char* deactivating;
    bool on;
    const char* label;
  };
  for (const Case& c : {Case{"kapandi", true, "KAPAT"}, Case{"kapandi", false, "KULLAN"},
                        Case{"kapan", true, "KULLAN"}}) {
    scene::Scene fresh;
    scene::ObjectDoc lamp;
    lamp.name = "LAMBA";
    lamp.deactivating = c.deactivating;
    lamp.active = c.on;
    fresh.addObject(1, lamp);
    scene::RoomDoc room;
    room.name = "ODA";
    room.contents = {1};
    fresh.addRoom(1, room);
    fresh.load();
    fresh.play(goTo<ShowObject>(1, 1, true, true));
    const int y = fresh.find("inceleniyor").second >= 0 ? fresh.find("inceleniyor").second
                                                        : fresh.find("Ona bakiyorsun.").second;
    EXPECT_EQ(fresh.row(y + 2).find(c.label), 7u) << c.deactivating << (c.on ? " on" : " off");
  }
}

TEST_F(Explore, TheObjectScreenPlacesItsBoxesAndButtonsByTheLabels) {
  playFrom(1, true);
  s.play(goTo<ShowObject>(1, 4, true, true));
  EXPECT_EQ(s.find("ILK ODA").second, 4);
  EXPECT_EQ(s.row(8), "           " + std::string(25, '\xDB'));
  EXPECT_EQ(s.find("AYNA"), std::make_pair(21, 10)) << "nine blanks before an even name, ten after";
  EXPECT_EQ(s.row(12), "           " + std::string(25, '\xDB'));
  EXPECT_EQ(s.find("AYNA inceleniyor.").second, 14);
  // Labels "  KULLAN  ", "  AL  ", "  GERI  ": columns 5, 6 + 19, 6 + 2 + 30.
  EXPECT_EQ(s.row(16).find("KULLAN"), 7u);
  EXPECT_EQ(s.row(16).find("AL "), 27u);
  EXPECT_EQ(s.row(16).find("GERI"), 40u);
  EXPECT_EQ(s.attributeAt(5, 16), 0x02);
  EXPECT_EQ(s.attributeAt(25, 16), 0x0E);
}

TEST_F(Explore, PassagesLeadOnAndAnsweringObjectsStay) {
  use("RADYO");
  use("AYNA");
  use("KAPI");
  playFrom(1, true);
  EXPECT_EQ(gunceloda, 2);
  EXPECT_TRUE(s.shows("KAPI calisti."));
  EXPECT_TRUE(s.shows(sentenceOf("MERDIVEN")));
  use("MERDIVEN");
  s.play(goTo<komutisteme>(2));
  EXPECT_EQ(gunceloda, 3);
  EXPECT_TRUE(s.shows(sentenceOf("PENCERE")));
}

TEST_F(Explore, AUseWithoutARuleShowsTheRoomAgainAsAWrongCommand) {
  oda[2].addLeftItem(9);  // a left item of another name does not match
  use("KUTU");
  playFrom(2);
  EXPECT_EQ(yapilanhatasayisi, 1);
  EXPECT_EQ(gunceloda, 2);
  EXPECT_FALSE(s.shows("KUTU calisti."));
  EXPECT_EQ(s.find("IKINCI ODA").second, 4) << "the room again, on a cleared screen";
  command("YANLIS");
  s.play(goTo<komutisteme>(2));
  EXPECT_TRUE(s.shows("IPUCU0"));
}

TEST_F(Explore, AfterAUseWithoutARuleTheSearchGoesOnAmongTheLeftItems) {
  // KUTU stands in room 2 and also lies there as a left item (carried in
  // from elsewhere): the unruled use of the first falls to the second.
  oda[2].addLeftItem(7);
  use("KUTU");
  playFrom(2);  // ends in the left item's object screen
  EXPECT_EQ(yapilanhatasayisi, 0);
  EXPECT_EQ(s.find("KUTU inceleniyor.").second, 14) << "a fresh object screen";
}

TEST_F(Explore, RefusalsStandAboveTheScreenThatFollows) {
  command("AYNA");
  s.keys().typeArrow(kiv::key::kRight);
  s.keys().type(kEnter);  // pick up: AYNA cannot be taken
  playFrom(1, true);
  EXPECT_EQ(s.find("Aldin.").second, 2);
  EXPECT_EQ(s.find("ILK ODA").second, 2 + 4) << "the room's box below the refusal";
  EXPECT_TRUE(s.shows(sentenceOf("AYNA")));
}

TEST_F(Explore, CompletingTheGamePlaysTheTuneAndWakingUpFindsTheWorldAsItWasLeft) {
  use("LAMBA");
  use("KAPI");
  use("MERDIVEN");
  use("PENCERE");
  s.keys().type(' ');      // press any key
  s.keys().type(kEnter);   // main menu: wake up
  s.keys().type(' ');      // the opening's key
  playFrom(1);
  const std::vector<std::pair<int, int>> tune = {{196, 200}, {293, 200}, {392, 300},
                                                 {196, 200}, {293, 200}, {392, 600}};
  const auto& beeps = s.device().beeps();
  bool played = false;
  for (std::size_t i = 0; i + tune.size() <= beeps.size() && !played; ++i) {
    played = true;
    for (std::size_t j = 0; j < tune.size(); ++j)
      played = played && beeps[i + j].frequency == tune[j].first && beeps[i + j].ms == tune[j].second;
  }
  EXPECT_TRUE(played) << "the completion tune";
  EXPECT_EQ(gunceloda, 1) << "woke up in the first room";
  EXPECT_FALSE(oda[1].getIsThatDark()) << "still lit as it was left";
  EXPECT_TRUE(s.shows("Aydinlik oda."));
}

}  // namespace
