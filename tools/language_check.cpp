// The language file's elements and the words the player has to type.
#include "tools/language_check.h"

#include <algorithm>
#include <cctype>

#include "game/language.h"
#include "kiv/codepage.h"
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

// A character reference (&#...;) to a character without a code page byte.
std::string unshowable(const std::string& utf8) {
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::optional<char32_t> ch = kiv::codepage::nextUtf8(utf8, pos);
    if (ch && (*ch == U'\n' || *ch == U'\t' || kiv::codepage::fromUnicode(*ch))) continue;
    return ch ? nameOf(*ch) : "invalid UTF-8";
  }
  return "";
}

}  // namespace

const std::vector<std::string>& languagePaths() { return interfaceStringPaths(); }

std::string checkLanguage(const SourceFile& file, Problems& problems) {
  if (declaresLatin1(file.utf8)) {
    problems.push_back({file.name, 1, "declares a Latin-1 encoding; the game would then misread its letters "
                                      "(declare none, or UTF-8)"});
  }
  const XmlSource xml(file, problems);
  if (!xml.ok()) return "";
  // Characters written as themselves were checked line by line; references were not.
  const bool hasReferences = file.utf8.find("&#") != std::string::npos;
  for (const std::string& path : languagePaths()) {
    const pugi::xml_node node = xml.require(path, problems);
    const std::string bad = hasReferences ? unshowable(node.child_value()) : "";
    if (node && !bad.empty()) {
      problems.push_back({file.name, xml.lineOf(node), path + " holds " + bad + ", which has no code page 857 byte"});
    }
  }
  for (const char* path : {"Introduction/Watch", "Other/Pockets"}) {
    const pugi::xml_node node = xml.find(path);
    const std::string why = whyNotTypeable(node.child_value());
    if (node && !why.empty()) {
      problems.push_back({file.name, xml.lineOf(node), std::string("the word ") + path + " \"" + node.child_value() +
                                                           "\" " + why + ", so it can never be typed"});
    }
  }
  return xml.find("Other/Pockets").child_value();
}

}  // namespace worldtool
