// Checking the language file: well-formed, all 57 interface strings present,
// the pockets and watch words typeable, and readable by the game byte for byte.
#pragma once

#include <string>
#include <vector>

#include "tools/problem.h"
#include "tools/source_text.h"

namespace worldtool {

// The element paths of the 57 interface strings, in the game's order.
const std::vector<std::string>& languagePaths();

// Reports every fault of the language file `file`. Gives the pockets word
// (Other/Pockets) as written, empty if it is missing.
std::string checkLanguage(const SourceFile& file, Problems& problems);

}  // namespace worldtool
