// The world the game ships with passes every check of the world tool.
#include <gtest/gtest.h>

#include "tools/world_check.h"

TEST(ShippedWorld, PassesTheChecker) {
  const worldtool::Problems problems = worldtool::checkWorld(THALVORINE_WORLD_SOURCE);
  std::string report;
  for (const auto& problem : problems) report += describe(problem, THALVORINE_WORLD_SOURCE) + "\n";
  EXPECT_TRUE(problems.empty()) << report;
}
