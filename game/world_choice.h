// The story choice: the installed worlds' titles as a menu, before a game starts.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The longest title the choice shows whole, in characters.
constexpr int kWorldTitleLimit = 40;
// How many worlds the choice offers: as many as a menu has buttons.
constexpr int kWorldChoiceLimit = 5;
// The exit status of a choice: this plus the chosen world's place, counted from 0.
constexpr int kFirstChosenStatus = 10;

// The title of the world in `folder`, in code page 857: the first line of its
// `title` file, cut to kWorldTitleLimit; the folder's own name when it has none.
std::string worldTitle(const std::filesystem::path& folder);

// Asks which story to play on a screen of the game's palette: the first
// kWorldChoiceLimit of `titles` (code page 857) as a column of buttons, moved
// with the arrow keys and chosen with Enter. Returns the chosen title's
// place in `titles`, or -1 when the player leaves with Esc.
int chooseWorld(const std::vector<std::string>& titles);

// The exit status that says the choice `chosen` (as chooseWorld returns it):
// kFirstChosenStatus + its place, or 1 when the player left.
int choiceStatus(int chosen);
