// The installed stories, listed for the player: each world folder's name and title.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// The world folders' titles (code page 857), in order.
std::vector<std::string> worldTitles(const std::vector<std::string>& folders);

// Prints one line a world to `out`: its folder's name, then its title in UTF-8.
void listWorlds(const std::vector<std::string>& folders, std::FILE* out);
