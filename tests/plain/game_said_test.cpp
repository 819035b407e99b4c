// What the game reports of itself: a title box as its title, a text once.
#include <gtest/gtest.h>

#include <sstream>

#include "game/title_box.h"
#include "game/world_choice.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/plain/plain_text.h"
#include "kiv/virtual/virtual_device.h"

namespace {

// The game on a virtual console, what it says written as plain lines into `out`.
class GameSaid : public testing::Test {
 protected:
  GameSaid() {
    kiv::attach(device);
    kiv::setTextRendition(&text);
  }
  ~GameSaid() override { kiv::setTextRendition(nullptr); }

  kiv::VirtualDevice device;
  std::ostringstream out;
  kiv::plain::PlainText text{out};
};

TEST_F(GameSaid, ATitleBoxIsItsTitleAndATypedTextIsSaidOnceWholeThoughAKeyCutItShort) {
  drawTitleBox("ODA", {"\n\n", "   ", 75, 27, std::string(80, '\xDB')});
  device.pressAt(25, 'x');  // in the middle of the first word
  kiv::yaz("uzun bir metin", true, 10, 0, "   ", 75);
  EXPECT_EQ(out.str(), "ODA\n\nuzun bir metin\n");
}

TEST_F(GameSaid, TheStoryChoiceSaysItsTitleAndQuestionBeforeTheStories) {
  device.type(kiv::key::kEnter);
  EXPECT_EQ(chooseWorld({"Deniz Feneri", "Kurallar Evi"}), 0);
  EXPECT_EQ(out.str(),
            "Thalvorine\n\nHangi hik\xC3\xA2yeyi oynamak istersin?\n\n* 1. Deniz Feneri\n  2. Kurallar Evi\n");
}

}  // namespace
