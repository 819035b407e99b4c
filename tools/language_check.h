// Checking the language file: well-formed, the interface strings present,
// the pockets and watch words typeable, and readable by the game byte for byte.
#pragma once

#include <string>
#include <vector>

#include "tools/problem.h"
#include "tools/source_text.h"

namespace worldtool {

// The element paths of the interface strings, in the game's order.
const std::vector<std::string>& languagePaths();

// What the other checks need to know of the language file.
struct LanguageWords {
  std::string pockets;   // Other/Pockets as written, empty if missing
  bool combine = false;  // Buttons/Combine is there and not empty
};

// Reports every fault of the language file `file`. Every interface string
// must be there but those only a world whose objects combine needs.
LanguageWords checkLanguage(const SourceFile& file, Problems& problems);

}  // namespace worldtool
