// The console's colours on the terminal: bit order, 8-colour fallback, pair plan.
#include "kiv/colour_map.h"

#include <gtest/gtest.h>

#include <set>

namespace kiv::colour {
namespace {

TEST(ColourMap, SwapsBlueAndRedWithSixteenColoursAndFoldsBrightnessWithEight) {
  // Windows: 1 blue, 2 green, 4 red, 8 bright. Curses: 1 red, 2 green, 4 blue.
  EXPECT_EQ(lookOf(0x9E, 16), (Look{11, 12, false}));  // yellow on light blue
  EXPECT_EQ(lookOf(0x1F, 16), (Look{15, 4, false}));   // white on blue
  // Eight colours: bright text is bold in its dark twin, a bright background is its dark twin.
  EXPECT_EQ(lookOf(0x9E, 8), (Look{3, 4, true}));
  EXPECT_EQ(lookOf(0x4F, 8), (Look{7, 1, true}));
  EXPECT_EQ(lookOf(0x70, 8), (Look{0, 7, false}));
  EXPECT_EQ(lookOf(0x9E, 0), (Look{7, 0, true}));  // none: only the brightness, as bold
  EXPECT_EQ(lookOf(0x17, 0), (Look{7, 0, false}));
}

TEST(ColourMap, UsesSixteenOnlyWithPairsForAllOfThem) {
  for (const auto& [colours, pairs, used] : {std::tuple{256, 65536, 16}, {16, 256, 16}, {256, 255, 8}, {8, 64, 8},
                                             {8, 63, 0}, {7, 256, 0}})
    EXPECT_EQ(coloursToUse(colours, pairs), used) << colours << " colours, " << pairs << " pairs";
}

TEST(ColourMap, PairPlanIsExactForEveryScreenColourAndOnlyTheMovablePairChangesWithIt) {
  for (int colours : {16, 8}) {
    const PairPlan plan(colours);
    for (int screen = 0; screen < 256; ++screen) {
      std::set<int> usedPairs;
      for (int attr = 0; attr < 256; ++attr) {
        const int pair = plan.pairOf(attr, screen);
        ASSERT_TRUE(pair >= 0 && pair < plan.combos()) << pair;
        const Look want = lookOf(attr, colours);
        ASSERT_EQ(plan.lookOfPair(pair, screen), (Look{want.foreground, want.background, false}))
            << "attr " << attr << " screen " << screen;
        usedPairs.insert(pair);
      }
      ASSERT_EQ(plan.pairOf(screen, screen), 0);  // the screen's own colours are pair 0
      ASSERT_EQ(static_cast<int>(usedPairs.size()), plan.combos()) << "two colour pairs share a pair number";
    }
  }
  // Switching the screen's colour redefines pair 0 and the two movable
  // pairs; every other pair keeps its colours, so the terminal keeps them.
  const PairPlan plan(16);
  for (int pair = 1; pair < plan.combos(); ++pair) {
    if (pair == plan.movablePair(0x1F) || pair == plan.movablePair(0x4F)) continue;
    EXPECT_EQ(plan.lookOfPair(pair, 0x1F), plan.lookOfPair(pair, 0x4F)) << pair;
  }
  EXPECT_EQ(plan.movablePair(0x00), 0) << "black on black is pair 0 itself";
}

}  // namespace
}  // namespace kiv::colour
