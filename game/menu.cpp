// The button menu's drawing and key loop.
#include "game/menu.h"

#include <vector>

#include "kiv/core/kiv_engine.h"
#include "kiv/core/text_rendition.h"

namespace {
std::string padded(const std::string& name) { return "  " + name + "  "; }
}  // namespace

menu::menu() = default;
menu::~menu() = default;

void menu::initialize(bool up_down, int buttoncolor_selected, int buttoncolor_unselected) {
  updown = up_down;
  buttoncolors[0] = buttoncolor_selected;
  buttoncolors[1] = buttoncolor_unselected;
  maxbutton = 0;
  for (int i = 0; i < kSlots; ++i) {
    buttonstring[i].clear();
    buttonXpos[i] = buttonYpos[i] = 0;
  }
}

void menu::add_button(std::string name, int xpos, int ypos) {
  if (maxbutton >= kSlots) return;
  buttonstring[maxbutton] = padded(name);
  buttonXpos[maxbutton] = xpos;
  buttonYpos[maxbutton] = ypos;
  ++maxbutton;
}

void menu::change_button(int buttonno, std::string newname, int xpos, int ypos) {
  if (xpos != 0) buttonXpos[buttonno] = xpos;
  if (ypos != 0) buttonYpos[buttonno] = ypos;
  if (!newname.empty()) buttonstring[buttonno] = padded(newname);
}

std::string menu::getButtonName(int buttonno) {
  const std::string& label = buttonstring[buttonno];
  return label.size() >= 4 ? label.substr(2, label.size() - 4) : std::string();
}

void menu::draw_button(int buttonno, int buttoncolor) {
  kiv::SetCursorPosition(buttonXpos[buttonno], buttonYpos[buttonno]);
  kiv::textattr(buttoncolor);
  kiv::screen().write(buttonstring[buttonno]);
}

int menu::draw() {
  for (int i = 0; i < kSlots; ++i)
    if (!buttonstring[i].empty()) draw_button(i, kUnselectedButton);  // whatever the menu's own colours
  std::vector<std::string> names;
  for (int i = 0; i < maxbutton; ++i) names.push_back(getButtonName(i));
  kiv::sayMenu(names, updown);
  int s = 0;
  for (;;) {
    draw_button(s, buttoncolors[0]);
    kiv::saySelected(s);
    const int code = kiv::GetKey();
    using namespace kiv::key;
    // The second code of an arrow is its scan code; the first (224) moves nothing.
    const bool back = updown ? code == kUp : code == kLeft;
    const bool forward = updown ? code == kDown : code == kRight;
    if (code == kEnter || code == kSpace || code == kEscape) {
      kiv::SetCursorPosition(10, 1);
      kiv::ShowConsoleCursor(1);
      return code == kEscape ? 0 : s + 1;
    }
    if (back && s > 0) {
      draw_button(s, buttoncolors[1]);
      --s;
    } else if (forward && s < maxbutton - 1) {
      draw_button(s, buttoncolors[1]);
      ++s;
    }
  }
}
