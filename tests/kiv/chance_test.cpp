// Chance on the virtual clock, and the background palette.
#include <gtest/gtest.h>

#include <set>

#include "kiv/background.h"
#include "kiv/kiv_engine.h"
#include "kiv/virtual_device.h"

namespace {

class Chance : public testing::Test {
 protected:
  void SetUp() override { kiv::attach(dev); }
  kiv::VirtualDevice dev;
  background bg;
};

TEST_F(Chance, RandomIsTheTwentiethDrawOfTheClassicGeneratorSeededWithTheSecond) {
  auto state = static_cast<std::uint32_t>(kiv::VirtualDevice::kEpochSecond);
  int r = 0;
  for (int i = 0; i < 20; ++i) r = static_cast<int>(((state = state * 214013u + 2531011u) >> 16) & 0x7FFF);
  EXPECT_EQ(kiv::Random(200, 700), 200 + static_cast<int>(r * 501 / 32768.0));
  EXPECT_EQ(kiv::Random(200, 700), kiv::Random(200, 700));  // same second, same number
}

TEST_F(Chance, RandomStaysInItsBoundsAndReachesBoth) {
  std::set<int> seen;
  for (int second = 0; second < 100; ++second, dev.advance(1000)) seen.insert(kiv::Random(0, 2));
  EXPECT_EQ(seen, (std::set<int>{0, 1, 2}));
  EXPECT_EQ(kiv::Random(5, 5), 5);
}

TEST_F(Chance, EverySwitchBeepsAndTwoColoursAlternate) {
  bg.addBGColor(0x1F);
  bg.addBGColor(0x2E);
  for (int i = 0; i < 20; ++i) {
    const int before = bg.current();
    const std::size_t beeps = dev.beeps().size();
    bg.arkaplan();
    EXPECT_GT(dev.beeps().size(), beeps);
    EXPECT_NE(bg.current(), before);
    if (before != 0) {
      EXPECT_EQ(bg.current(), 0x1F + 0x2E - before);  // the other one
    }
    EXPECT_EQ(kiv::screen().attribute(), bg.current());
  }
}

TEST_F(Chance, OneColourBeepsOnceAndKeepsIt) {
  bg.addBGColor(0x4F);
  bg.arkaplan();
  bg.arkaplan();
  EXPECT_EQ(dev.beeps().size(), 2u);
  EXPECT_EQ(kiv::screen().attribute(), 0x4F);
}

}  // namespace
