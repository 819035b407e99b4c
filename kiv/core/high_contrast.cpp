// Choosing readable colour pairs.
#include "kiv/core/high_contrast.h"

#include <algorithm>
#include <cmath>

namespace kiv::contrast {
namespace {

constexpr int kBlack = 0x0;
constexpr int kWhite = 0xF;
constexpr double kLeast = 4.5;

// The console's 16 colours in sRGB, Windows order, as the web page shows them.
constexpr unsigned kRgb[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
                               0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

double linear(unsigned channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(int colour) {
  const unsigned rgb = kRgb[colour & 0xF];
  return 0.2126 * linear((rgb >> 16) & 0xFF) + 0.7152 * linear((rgb >> 8) & 0xFF) + 0.0722 * linear(rgb & 0xFF);
}

}  // namespace

double contrastRatio(int first, int second) {
  const double a = luminance(first) + 0.05;
  const double b = luminance(second) + 0.05;
  return std::max(a, b) / std::min(a, b);
}

int highContrast(int attribute) {
  const int text = attribute & 0x0F;
  const int back = (attribute >> 4) & 0x0F;
  for (int twin : {text, text | 0x8, text & 0x7})  // its own colour, else its bright or dark twin
    if (contrastRatio(twin, back) >= kLeast) return (attribute & ~0x0F) | twin;
  const int readable = contrastRatio(kWhite, back) >= contrastRatio(kBlack, back) ? kWhite : kBlack;
  return (attribute & ~0x0F) | readable;
}

}  // namespace kiv::contrast
