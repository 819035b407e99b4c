// The locale the game reads and writes characters in.
#pragma once

#include <string>

namespace kiv {

// Sets the player's locale. When none is set at all, or the one asked for is
// not installed but names UTF-8, characters are UTF-8 anyway, the way nearly
// every terminal speaks today. Returns what the player should be told should
// the Turkish letters not show (after the game: the alternate screen would
// hide it now).
std::string chooseLocale();

}  // namespace kiv
