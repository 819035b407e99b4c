// The box a room's or an object's name stands in at the top of its screens.
#pragma once

#include <string>

struct TitleBoxPlace {
  std::string above;  // written first, after `lead` (line feeds down to the box)
  std::string lead;   // the typewriter's lead for the first rows
  int wrapAt;         // the typewriter's wrap column for the first rows
  int left;           // the column of the box's left wall
  std::string floor;  // the row drawn under the box
};

// Draws `name` centred between the walls of a box 25 blocks wide, from the
// cursor's row, then `place.floor` below it.
void drawTitleBox(const std::string& name, const TitleBoxPlace& place);
