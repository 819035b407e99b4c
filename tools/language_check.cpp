// The language file's elements and the words the player has to type.
#include "tools/language_check.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "game/interface_strings.h"
#include "kiv/core/codepage.h"
#include "tools/typeable.h"
#include "tools/xml_source.h"

namespace worldtool {
namespace {

// The game's parser re-encodes a file that declares itself Latin-1, which
// would garble every code page byte above 127.
bool declaresLatin1(const std::string& text) {
  const std::size_t start = text.find_first_not_of(" \t\r\n");
  if (start == std::string::npos || text.compare(start, 5, "<?xml") != 0) return false;
  const std::string head = text.substr(start, text.find('>', start) - start);
  std::size_t at = head.find("encoding");
  if (at == std::string::npos) return false;
  at = head.find_first_not_of(" \t\r\n", at + 8);
  if (at == std::string::npos || head[at] != '=') return false;
  at = head.find_first_not_of(" \t\r\n", at + 1);
  if (at == std::string::npos || (head[at] != '"' && head[at] != '\'')) return false;
  const std::size_t end = head.find(head[at], at + 1);
  if (end == std::string::npos) return false;
  std::string name = head.substr(at + 1, end - at - 1);
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  return name == "latin1" || name == "iso-8859-1";
}

// Character references (&#351;) to letters beyond ASCII: the game's parser
// turns them into UTF-8, bytes the code page shows as other letters.
void checkCharacterReferences(const SourceFile& file, Problems& problems) {
  for (const SourceLine& line : file.lines) {
    const std::string& text = line.utf8;
    for (std::size_t at = text.find("&#"); at != std::string::npos; at = text.find("&#", at + 2)) {
      const bool hex = at + 2 < text.size() && (text[at + 2] == 'x' || text[at + 2] == 'X');
      const char* digits = text.c_str() + at + 2 + (hex ? 1 : 0);
      char* end = nullptr;
      const unsigned long code = std::strtoul(digits, &end, hex ? 16 : 10);
      if (end == digits || *end != ';' || code < 0x80) continue;
      std::string letter;
      kiv::codepage::appendUtf8(letter, static_cast<char32_t>(code));
      problems.push_back({file.name, line.number,
                          "the reference " + text.substr(at, static_cast<std::size_t>(end - text.c_str()) - at + 1) +
                              " would show as other letters; write the letter itself (" + letter + ")"});
    }
  }
}

}  // namespace

const std::vector<std::string>& languagePaths() { return interfaceStringPaths(); }

LanguageWords checkLanguage(const SourceFile& file, Problems& problems) {
  if (declaresLatin1(file.utf8)) {
    problems.push_back({file.name, 1,
                        "declares a Latin-1 encoding; the game would then misread its letters "
                        "(declare none, or UTF-8)"});
  }
  checkCharacterReferences(file, problems);
  const XmlSource xml(file, problems);
  if (!xml.ok()) return {};
  for (const InterfaceString& source : interfaceStrings())
    if (!source.forCombining) xml.require(source.path, problems);
  for (const char* path : {"Introduction/Watch", "Other/Pockets"}) {
    const pugi::xml_node node = xml.find(path);
    // An empty word is typed with Enter alone.
    const std::string why = *node.child_value() == '\0' ? "" : whyNotTypeable(node.child_value());
    if (node && !why.empty()) {
      problems.push_back(
          {file.name, xml.lineOf(node),
           std::string("the word ") + path + " \"" + node.child_value() + "\" " + why + ", so it can never be typed"});
    }
  }
  return {xml.find("Other/Pockets").child_value(), *xml.find("Buttons/Combine").child_value() != '\0'};
}

}  // namespace worldtool
