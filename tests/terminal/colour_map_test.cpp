// The console's colours on the terminal: bit order, 8-colour fallback, none.
#include "kiv/terminal/colour_map.h"

#include <gtest/gtest.h>

namespace kiv::colour {
namespace {

TEST(ColourMap, SixteenColoursAreExactEightFoldBrightnessNoneMakeOtherColoursStandOut) {
  // Windows: 1 blue, 2 green, 4 red, 8 bright. Curses: 1 red, 2 green, 4 blue.
  // Eight colours: bright text is bold in its dark twin, a bright background
  // its dark twin, and text never takes its background's colour.
  const struct {
    int attribute, colours;
    Look look;
  } looks[] = {
      {0x9E, 16, {11, 12}},    {0x1F, 16, {15, 4}},     {0x80, 16, {0, 8}}, {0x02, 16, {2, 0}},
      {0x9E, 8, {3, 4, true}}, {0x4F, 8, {7, 1, true}}, {0x70, 8, {0, 7}},  {0x02, 8, {2, 0}},
      {0x80, 8, {7, 0}},       {0x08, 8, {7, 0, true}}, {0xA2, 8, {0, 2}},  {0xB3, 8, {0, 6}},
      {0x19, 8, {7, 4, true}}, {0x00, 8, {0, 0}},       {0x77, 8, {7, 7}}};  // the same colour on purpose stays so
  for (const auto& [attribute, colours, look] : looks)
    EXPECT_EQ(lookOf(attribute, colours), look) << std::hex << attribute << " with " << std::dec << colours;
  for (int attribute = 0; attribute < 256; ++attribute) {  // unless the attribute asks for it
    const Look eight = lookOf(attribute, 8);
    EXPECT_TRUE(eight.foreground != eight.background || (attribute & 15) == attribute >> 4) << std::hex << attribute;
  }

  // No colours: on the screen's own colours (here white on blue) plain; a
  // selected button (green on black) reversed, the others (yellow) bold.
  const struct {
    int attribute;
    Look look;
  } plain[] = {{0x1F, {}}, {0x02, {7, 0, false, true}}, {0x0E, {7, 0, true, false}}, {0x17, {7, 0, false, true}}};
  for (const auto& [attribute, look] : plain) EXPECT_EQ(monochromeLookOf(attribute, 0x1F), look) << attribute;
  EXPECT_EQ(monochromeLookOf(0x0E, 0x0E), Look{}) << "the screen's own colours, even bright, are plain";
}

TEST(ColourMap, ScreensLookAlikeWhereOnlyABrightBackgroundSetsThemApartOnEightColoursAndAlwaysWithoutColours) {
  const struct {
    int first, second, colours;
    bool alike;
  } screens[] = {{0xD7, 0x57, 8, true},  {0xF3, 0x73, 8, true},   {0xF0, 0x70, 8, true},
                 {0xB0, 0x30, 8, true},  {0xD7, 0x57, 16, false}, {0xB8, 0xB0, 8, false},
                 {0x1F, 0x4F, 8, false}, {0x1F, 0x1F, 16, true},  {0x1F, 0x4F, 0, true}};
  for (const auto& [first, second, colours, alike] : screens)
    EXPECT_EQ(screensLookAlike(first, second, colours), alike)
        << std::hex << first << " and " << second << " with " << std::dec << colours;
}

TEST(ColourMap, UsesSixteenWhereTheTerminalHasThemEightOrNone) {
  for (const auto& [colours, used] : {std::pair{256, 16}, {16, 16}, {15, 8}, {8, 8}, {7, 0}, {-1, 0}})
    EXPECT_EQ(coloursToUse(colours), used) << colours << " colours";
}

}  // namespace
}  // namespace kiv::colour
