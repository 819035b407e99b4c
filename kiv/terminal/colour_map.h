// The console's colour attributes as terminal colours.
#pragma once

namespace kiv::colour {

// The curses/ANSI number (1 red, 2 green, 4 blue, 8 bright) of a console
// colour in Windows order (1 blue, 2 green, 4 red, 8 bright). Takes and
// gives 0 to 15: bits 0 and 2 change places, bits 1 and 3 stay.
constexpr int toCurses(int windowsColour) {
  return (windowsColour & 0b1010) | ((windowsColour & 1) << 2) | ((windowsColour & 4) >> 2);
}

// What a terminal can show of an attribute.
struct Look {
  int foreground = 7;    // curses colour number
  int background = 0;    // curses colour number
  bool bold = false;     // bright text on a terminal of 8 colours or none
  bool reverse = false;  // on a terminal without colours: text that stands out
  bool operator==(const Look&) const = default;
};

// How many colours the game draws with on a terminal that offers
// `terminalColours` colours: 16, 8 or 0 (none).
int coloursToUse(int terminalColours);

// The look of attribute `attribute` (low nibble text, high nibble
// background, Windows order) drawn with `colours` colours (16 or 8).
// With 8, bright text is bold in its dark twin and a bright background is
// its dark twin; text that would then have its background's colour (black
// on dark grey, say) is drawn black on a light background (green, brown,
// cyan, grey) and grey on a dark one, so that every text stays readable.
Look lookOf(int attribute, int colours);

// The look of `attribute` on a terminal without colours, while
// `screenAttribute` is the screen's own: the screen's colours are plain
// text; any other colours stand out, bright text in bold and other text in
// reverse video (so a selected button, green on black, shows reversed
// among the yellow ones).
Look monochromeLookOf(int attribute, int screenAttribute);

// True when screens cleared in attributes `first` and `second` look the
// same drawn with `colours` colours (16, 8 or 0): on 8, bright backgrounds
// fold into their dark twins; without colours, every screen's own colours
// are plain text.
bool screensLookAlike(int first, int second, int colours);

}  // namespace kiv::colour
