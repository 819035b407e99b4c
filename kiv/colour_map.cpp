// Console attributes to terminal colours and colour pairs.
#include "kiv/colour_map.h"

namespace kiv::colour {

int coloursToUse(int terminalColours, int terminalPairs) {
  if (terminalColours >= 16 && terminalPairs >= 256) return 16;
  if (terminalColours >= 8 && terminalPairs >= 64) return 8;
  return 0;
}

Look lookOf(int attribute, int colours) {
  const int text = toCurses(attribute & 0x0F);
  const int back = toCurses((attribute >> 4) & 0x0F);
  if (colours >= 16) return Look{text, back, false};
  Look look{text & 7, back & 7, (text & 8) != 0};
  if (look.foreground == look.background && text != back) {
    const bool lightBackground = look.background == 2 || look.background == 3 || look.background >= 6;
    look.foreground = lightBackground ? 0 : 7;
  }
  return look;
}

Look monochromeLookOf(int attribute, int screenAttribute) {
  if ((attribute & 0xFF) == (screenAttribute & 0xFF)) return Look{};
  const bool bright = (attribute & 0x08) != 0;
  return Look{7, 0, bright, !bright};
}

PairPlan::PairPlan(int colours) : colours_(colours >= 16 ? 16 : 8) {}

int PairPlan::comboOf(int attribute) const {
  const Look look = lookOf(attribute, colours_);
  return look.foreground + colours_ * look.background;
}

Look PairPlan::lookOfCombo(int combo) const { return Look{combo % colours_, combo / colours_, false}; }

int PairPlan::pairOf(int attribute, int screenAttribute) const {
  const int combo = comboOf(attribute);
  const int screen = comboOf(screenAttribute);
  if (combo == screen) return 0;
  if (combo == 0) return screen;  // black on black takes the slot the screen's colours left
  return combo;
}

Look PairPlan::lookOfPair(int pair, int screenAttribute) const {
  const int screen = comboOf(screenAttribute);
  if (pair == 0) return lookOfCombo(screen);
  if (pair == screen) return lookOfCombo(0);
  return lookOfCombo(pair);
}

int PairPlan::movablePair(int screenAttribute) const { return comboOf(screenAttribute); }

}  // namespace kiv::colour
