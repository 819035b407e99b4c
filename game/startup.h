// The program's start: the console, the progress file, the palette, the
// banner, the world, the melody, and the main loop.
#pragma once

#include <string>

// Runs the whole game on the attached console; returns the exit status
// (1 when the player confirms the exit question).
int startUp();

// Gives the background the game's palette of screen colours (once a game).
void addPalette();

// The title banner: the game's title and `version` in a shaded box.
std::string titleBanner();
