// Picking the next screen colour.
#include "game/background.h"

#include <algorithm>

#include "kiv/core/kiv_engine.h"

background::background() = default;
background::~background() = default;

void background::addBGColor(int ColorNumber) { BGColors.push_back(ColorNumber); }

void background::arkaplan() {
  const bool hasAnother =
      std::any_of(BGColors.begin(), BGColors.end(), [this](int c) { return c != BGColor; });
  if (!hasAnother) {
    kiv::biip(0);  // nothing to switch to: repeating the pick would never end
    return;
  }
  for (;;) {
    kiv::biip(0);
    const int picked = BGColors[kiv::Random(0, static_cast<int>(BGColors.size()) - 1)];
    if (picked != BGColor) {
      kiv::textattr(picked & 0xFFFF);
      BGColor = picked;
      return;
    }
  }
}
