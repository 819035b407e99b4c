// The prompt's alphabet: what a name or a command word may be made of.
#include "tools/typeable.h"

namespace worldtool {

std::string whyNotTypeable(const std::string& word) {
  if (word.empty()) return "is empty";
  for (const char c : word) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == ' ') return "holds a blank";
    if (byte >= 'a' && byte <= 'z') return "holds a lower-case letter (the prompt stores capitals)";
    if (byte < 33 || byte > 126) {
      return "holds a character the prompt cannot store (only A-Z, digits and ASCII signs; "
             "Turkish letters are stored without their marks)";
    }
  }
  return "";
}

}  // namespace worldtool
