// How the game's texts reach the screen: after a lead of three blanks,
// wrapped before column 75; narration typed a letter every 10 ms.
#pragma once

#include <string>

// Types `text` letter by letter, then pauses `finalPause` ms.
void narrate(const std::string& text, int finalPause = 2000);
// Writes `text` at once, then pauses `finalPause` ms.
void show(const std::string& text, int finalPause = 0);
// Reports a data file the game could not read: `heading` (the game's own
// words for that file), the parser's `problem`, and the advice to download
// the game again.
void reportFileProblem(const std::string& heading, const std::string& problem);
