// High contrast: every colour pair readable, each screen's background kept.
#include "kiv/core/high_contrast.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The console's 16 colours as the page shows them, sRGB, Windows order.
constexpr int kRgb[16][3] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                             {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                             {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                             {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};

// Relative luminance as the web's accessibility guidelines define it.
double luminance(int colour) {
  const auto channel = [](int v) {
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  const int* rgb = kRgb[colour];
  return 0.2126 * channel(rgb[0]) + 0.7152 * channel(rgb[1]) + 0.0722 * channel(rgb[2]);
}

double ratioOf(int attribute) {
  const double text = luminance(attribute & 0xF) + 0.05;
  const double back = luminance((attribute >> 4) & 0xF) + 0.05;
  return std::max(text, back) / std::min(text, back);
}

TEST(HighContrast, EveryPairReachesFourAndAHalfToOneOnItsOwnBackground) {
  for (int attribute = 0; attribute < 256; ++attribute) {
    const int shown = kiv::contrast::highContrast(attribute);
    EXPECT_GE(ratioOf(shown), 4.5) << std::hex << attribute;
    EXPECT_EQ(shown & 0xF0, attribute & 0xF0) << std::hex << attribute << ": the screen's colour changed";
    if (ratioOf(attribute) >= 4.5) {
      EXPECT_EQ(shown, attribute) << std::hex << attribute << " was readable already";
    }
  }
}

TEST(HighContrast, UnreadableTextTakesItsTwinOrElseBlackOrWhiteWhicheverStandsOutMore) {
  const struct {
    int attribute, shown;
  } cases[] = {{0x02, 0x0A},     // dark green on black (a selected button): light green, still not yellow
               {0xA8, 0xA0},     // dark grey on light green: its dark twin, black
               {0xD7, 0xD0},     // grey on light magenta: neither twin, black
               {0x48, 0x4F},     // dark grey on red: white
               {0x11, 0x1F},     // blue on blue: white
               {0x1F, 0x1F},     // white on blue stays
               {0x102, 0x10A}};  // above the low byte kept
  for (const auto& [attribute, shown] : cases)
    EXPECT_EQ(kiv::contrast::highContrast(attribute), shown) << std::hex << attribute;
}

}  // namespace
