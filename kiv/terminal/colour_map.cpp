// Console attributes to terminal colours.
#include "kiv/terminal/colour_map.h"

namespace kiv::colour {

int coloursToUse(int terminalColours) {
  if (terminalColours >= 16) return 16;
  return terminalColours >= 8 ? 8 : 0;
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

bool screensLookAlike(int first, int second, int colours) {
  return colours > 0 ? lookOf(first, colours) == lookOf(second, colours)
                     : monochromeLookOf(first, first) == monochromeLookOf(second, second);
}

}  // namespace kiv::colour
