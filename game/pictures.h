// The game's three fixed pictures, row by row, in code page 857.
#pragma once

#include <array>

// The main menu's title picture; the game's title stands in it in pieces.
extern const std::array<const char*, 24> kTitlePicture;
// The opening sequence's head in profile.
extern const std::array<const char*, 26> kOpeningPicture;
// The pockets screen's standing figure over its ground line.
extern const std::array<const char*, 16> kPocketPicture;
