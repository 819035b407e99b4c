// Picking the next screen colour.
#include "game/background.h"

#include <algorithm>

#include "kiv/core/kiv_engine.h"

background::background() = default;
background::~background() = default;

void background::addBGColor(int ColorNumber) { BGColors.push_back(ColorNumber); }

void background::arkaplan() {
  const auto looksNew = [this](int c) { return !kiv::looksAlike(c, BGColor); };
  const auto isNew = [this](int c) { return c != BGColor; };
  // Where no attribute of the palette would look new (a console without
  // colours), one that is new at least.
  const bool seen = std::any_of(BGColors.begin(), BGColors.end(), looksNew);
  if (!seen && std::none_of(BGColors.begin(), BGColors.end(), isNew)) {
    kiv::biip(0);  // nothing to switch to: repeating the pick would never end
    return;
  }
  for (;;) {
    kiv::biip(0);
    const int picked = BGColors[kiv::Random(0, static_cast<int>(BGColors.size()) - 1)];
    if (seen ? looksNew(picked) : isNew(picked)) {
      kiv::textattr(picked & 0xFFFF);
      BGColor = picked;
      return;
    }
  }
}
