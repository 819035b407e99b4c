// Chance on the virtual clock, the background palette, and silence.
#include <gtest/gtest.h>

#include <set>

#include "game/background.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/virtual/virtual_device.h"

namespace {

TEST(Chance, RandomReseedsFromTheSecondAndReachesBothBounds) {
  kiv::VirtualDevice dev;
  kiv::attach(dev);
  // The classic generator's 20th draw, seeded with the second: again the same within the second.
  EXPECT_EQ(std::pair(kiv::Random(200, 700), kiv::Random(200, 700)), std::pair(534, 534));
  std::set<int> seen;
  for (int second = 0; second < 100; ++second, dev.advance(1000)) seen.insert(kiv::Random(0, 2));
  EXPECT_EQ(seen, (std::set<int>{0, 1, 2}));
}

TEST(Background, EverySwitchBeepsIntoAnotherColourAndALoneColourStays) {
  kiv::VirtualDevice dev;
  kiv::attach(dev);
  background bg;
  bg.addBGColor(0x4F);
  for (int i = 0; i < 2; ++i) bg.arkaplan();  // then nothing else to switch to: one beep, no endless picking
  EXPECT_EQ(std::pair(dev.beeps().size(), kiv::screen().attribute()), std::pair(std::size_t{2}, 0x4F));
  bg.addBGColor(0x2E);
  for (int i = 0; i < 20; ++i) {
    const auto [other, beeps] = std::pair(0x4F + 0x2E - bg.current(), dev.beeps().size());
    bg.arkaplan();  // a pick of the current colour beeps and picks again
    EXPECT_EQ(std::tuple(bg.current(), kiv::screen().attribute(), dev.beeps().size() > beeps),
              std::tuple(other, other, true));
  }
}

// A console that shows only the attribute bits `shown`: 0x7F where a bright
// background shows as its dark twin, as on eight colours; 0 where every
// screen looks the same, as without colours.
struct FewColours : kiv::VirtualDevice {
  explicit FewColours(int bits) : shown(bits) {}
  bool looksAlike(int first, int second) override { return (first & shown) == (second & shown); }
  int shown;
};

TEST(Background, ASwitchLooksDifferentWhereTheConsoleCanShowItAndChangesTheColourWhereItCannot) {
  const struct {
    int shown;
    std::vector<int> palette;
    int differing;
  } consoles[] = {{0x7F, {0xD7, 0x57, 0x1F}, 0x7F}, {0x00, {0x4F, 0x2E}, 0xFF}};
  for (const auto& [shown, palette, differing] : consoles) {
    FewColours dev(shown);
    kiv::attach(dev);
    background bg;
    for (int attribute : palette) bg.addBGColor(attribute);
    for (int i = 0, before = 0; i < 40; ++i, before = bg.current()) {
      bg.arkaplan();
      EXPECT_NE(bg.current() & differing, before & differing) << std::hex << before << " to " << bg.current();
    }
  }
}

TEST(Sound, ASilentConsoleKeepsEveryToneAndBellAsAPauseOfItsLength) {
  kiv::VirtualDevice dev;
  kiv::attach(dev);
  kiv::setSilent(true);
  kiv::biip(1);  // the start-up melody
  kiv::screen().write("\a");
  kiv::present();
  kiv::setSilent(false);
  EXPECT_TRUE(dev.beeps().empty());
  EXPECT_EQ(dev.sleeps(), (std::vector<int>{300, 300, 300, 600, 100}));
}

}  // namespace
