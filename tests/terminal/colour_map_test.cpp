// The console's colours on the terminal: bit order, 8-colour fallback, pair plan.
#include "kiv/colour_map.h"

#include <gtest/gtest.h>

#include <set>

namespace kiv::colour {
namespace {

TEST(ColourMap, SwapsBlueAndRedKeepsGreenAndBright) {
  // Windows: 1 blue, 2 green, 4 red, 8 bright. Curses: 1 red, 2 green, 4 blue.
  constexpr int kCurses[16] = {0, 4, 2, 6, 1, 5, 3, 7, 8, 12, 10, 14, 9, 13, 11, 15};
  for (int windows = 0; windows < 16; ++windows) EXPECT_EQ(toCurses(windows), kCurses[windows]) << windows;
}

TEST(ColourMap, SixteenColoursKeepEverythingEightFoldBrightness) {
  EXPECT_EQ(lookOf(0x9E, 16), (Look{11, 12, false}));  // yellow on light blue
  EXPECT_EQ(lookOf(0x1F, 16), (Look{15, 4, false}));   // white on blue
  // Eight colours: bright text is bold in its dark twin, a bright
  // background is its dark twin.
  EXPECT_EQ(lookOf(0x9E, 8), (Look{3, 4, true}));
  EXPECT_EQ(lookOf(0x4F, 8), (Look{7, 1, true}));
  EXPECT_EQ(lookOf(0x70, 8), (Look{0, 7, false}));
  EXPECT_EQ(lookOf(0x9E, 0).bold, true);
  EXPECT_EQ(lookOf(0x17, 0), (Look{7, 0, false}));
}

TEST(ColourMap, UsesSixteenOnlyWithPairsForAllOfThem) {
  EXPECT_EQ(coloursToUse(256, 65536), 16);
  EXPECT_EQ(coloursToUse(16, 256), 16);
  EXPECT_EQ(coloursToUse(256, 64), 8);  // too few pairs for 16 × 16
  EXPECT_EQ(coloursToUse(8, 64), 8);
  EXPECT_EQ(coloursToUse(8, 63), 0);
  EXPECT_EQ(coloursToUse(0, 0), 0);
}

// For every screen colour, every attribute's pair draws that attribute's
// colours, the screen's own colours are pair 0, and pairs never collide.
void checkPlan(int colours) {
  const PairPlan plan(colours);
  for (int screen = 0; screen < 256; ++screen) {
    std::set<int> usedPairs;
    for (int attr = 0; attr < 256; ++attr) {
      const int pair = plan.pairOf(attr, screen);
      ASSERT_GE(pair, 0);
      ASSERT_LT(pair, plan.combos());
      const Look want = lookOf(attr, colours);
      const Look got = plan.lookOfPair(pair, screen);
      ASSERT_EQ(got.foreground, want.foreground) << "attr " << attr << " screen " << screen;
      ASSERT_EQ(got.background, want.background) << "attr " << attr << " screen " << screen;
      usedPairs.insert(pair);
    }
    ASSERT_EQ(plan.pairOf(screen, screen), 0);
    ASSERT_EQ(static_cast<int>(usedPairs.size()), plan.combos()) << "two colour pairs share a pair number";
  }
}

TEST(ColourMap, PairPlanIsExactForEveryScreenColour) {
  checkPlan(16);
  checkPlan(8);
}

TEST(ColourMap, OnlyTheMovablePairChangesWithTheScreen) {
  // Switching the screen's colour redefines pair 0 and the two movable
  // pairs; every other pair keeps its colours, so the terminal keeps them.
  const PairPlan plan(16);
  const int before = 0x1F;
  const int after = 0x4F;
  for (int pair = 1; pair < plan.combos(); ++pair) {
    if (pair == plan.movablePair(before) || pair == plan.movablePair(after)) continue;
    EXPECT_EQ(plan.lookOfPair(pair, before), plan.lookOfPair(pair, after)) << pair;
  }
  EXPECT_EQ(plan.movablePair(0x00), 0) << "black on black is pair 0 itself";
}

}  // namespace
}  // namespace kiv::colour
