// The one-word line editor of the command prompt and the first-run question.
#pragma once

#include <string>

// Writes the command label two rows down and reads a word into `s`: shown
// as typed, stored upper-case with the Turkish letters folded to ASCII,
// never a blank or a control character. True when Enter ends the line;
// false when Esc abandons it (`s` keeps what was typed, the cursor is hidden
// at column 10, row 1): the caller then hands over to the exit question.
// The second code of an arrow or function key is swallowed.
bool get(std::string& s);
