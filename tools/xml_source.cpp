// pugixml parsing with byte offsets turned into the source's line numbers.
#include "tools/xml_source.h"

#include <algorithm>

#include "game/language.h"

namespace worldtool {

XmlSource::XmlSource(const SourceFile& file, Problems& problems) : file_(file) {
  const pugi::xml_parse_result result =
      document_.load_buffer(file.utf8.data(), file.utf8.size(), pugi::parse_default, pugi::encoding_utf8);
  ok_ = static_cast<bool>(result);
  if (!ok_) {
    problems.push_back({file.name, lineAt(result.offset), std::string("not well-formed XML: ") + result.description()});
  }
}

int XmlSource::lineAt(std::ptrdiff_t offset) const {
  offset = std::clamp<std::ptrdiff_t>(offset, 0, static_cast<std::ptrdiff_t>(file_.utf8.size()));
  return 1 + static_cast<int>(std::count(file_.utf8.begin(), file_.utf8.begin() + offset, '\n'));
}

pugi::xml_node XmlSource::find(const std::string& path) const { return firstElementAt(document_, path.c_str()); }

int XmlSource::lineOf(const pugi::xml_node& node) const { return node ? lineAt(node.offset_debug()) : 0; }

void XmlSource::reportLaterNamesakes(const std::string& path, Problems& problems) const {
  for (std::size_t end = path.find('/');; end = path.find('/', end + 1)) {
    const pugi::xml_node first = find(path.substr(0, end));
    if (!first) return;
    for (pugi::xml_node later = first.next_sibling(first.name()); later; later = later.next_sibling(first.name())) {
      if (!reported_.insert(later.offset_debug()).second) continue;
      problems.push_back({file_.name, lineOf(later),
                          std::string("a later <") + first.name() +
                              "> is ignored: the game reads only the first, on line " + std::to_string(lineOf(first))});
    }
    if (end == std::string::npos) return;
  }
}

pugi::xml_node XmlSource::require(const std::string& path, Problems& problems) const {
  reportLaterNamesakes(path, problems);
  const pugi::xml_node node = find(path);
  if (node) return node;
  int line = 0;
  for (std::size_t slash = path.rfind('/'); slash != std::string::npos && line == 0;
       slash = slash == 0 ? std::string::npos : path.rfind('/', slash - 1)) {
    line = lineOf(find(path.substr(0, slash)));
  }
  problems.push_back({file_.name, line, "missing element " + path});
  return node;
}

}  // namespace worldtool
