// A row or column of up to five buttons, moved with the arrow keys, chosen
// with Enter or Space, left with Esc.
#pragma once

#include <string>

// Every menu's colours: the selected button green on black, the others
// yellow on black.
constexpr int kSelectedButton = 0x02;
constexpr int kUnselectedButton = 0x0E;

class menu {
 public:
  menu();
  ~menu();

  // Forgets every button: vertical (`up_down`) or horizontal, and the
  // attributes of the selected and the other buttons.
  void initialize(bool up_down, int buttoncolor_selected, int buttoncolor_unselected);
  // Adds a button labelled "  name  " at (`xpos`, `ypos`); a sixth is ignored.
  void add_button(std::string name, int xpos, int ypos);
  // Changes button `buttonno` (0 to 4): its column and row where not 0, its
  // name where not empty.
  void change_button(int buttonno, std::string newname, int xpos, int ypos);
  // Draws every button, then runs the key loop from the first button.
  // Returns the chosen button counted from 1, or 0 for Esc. Leaves the
  // selected attribute current and the cursor shown at column 10, row 1.
  int draw();
  // The name of button `buttonno` as it was added (without the padding).
  std::string getButtonName(int buttonno);
  // Draws button `buttonno`'s label at its place in `buttoncolor`, which
  // stays the current attribute.
  void draw_button(int buttonno, int buttoncolor);

 private:
  static constexpr int kSlots = 5;
  int maxbutton = 0;
  int buttoncolors[2] = {};
  bool updown = false;
  std::string buttonstring[kSlots];
  int buttonXpos[kSlots] = {};
  int buttonYpos[kSlots] = {};
};
