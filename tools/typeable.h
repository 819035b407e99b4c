// Whether a word can be typed at the game's prompt, which stores only bytes
// 33 to 126 and turns letters into capitals.
#pragma once

#include <string>

namespace worldtool {

// Empty when `word` can be typed exactly; otherwise why it cannot ("is
// empty", "holds a blank", ...). Any byte above 126 counts as a character
// the prompt cannot store, so the word may be given in UTF-8 or code page 857.
std::string whyNotTypeable(const std::string& word);

}  // namespace worldtool
