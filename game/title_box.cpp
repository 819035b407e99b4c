// Drawing the title boxes of rooms and objects.
#include "game/title_box.h"

#include "kiv/core/kiv_engine.h"
#include "kiv/core/text_rendition.h"

namespace {
const std::string kBlock = "\xDB";
std::string blanks(int n) { return std::string(n, ' '); }
}  // namespace

void drawTitleBox(const std::string& name, const TitleBoxPlace& place) {
  kiv::sayTitle(name);
  const kiv::Unsaid box;
  const std::string indent = blanks(place.left);
  const std::string wall = indent + kBlock;
  kiv::yaz(place.above + indent + std::string(25, '\xDB') + "\n" + wall + blanks(23) + kBlock + "\n" + wall, false, 0,
           0, place.lead, place.wrapAt);
  const int length = static_cast<int>(name.size());
  const std::string centring = kiv::boslukyarat(24, length);
  const int k = static_cast<int>(centring.size());
  if (2 * k + length != 22) kiv::yaz("  ", false, 0, 0, "", 200);
  kiv::yaz(centring + name + centring + " " + kBlock + "\n" + wall + blanks(23) + kBlock + "\n" + place.floor + "\n",
           false, 0, 0, "", 200);
}
