// The shipped progress file: what the game reads at start-up and writes back.
#include "tools/progress_check.h"

#include "tools/xml_source.h"

namespace worldtool {

void checkProgress(const SourceFile& file, Problems& problems) {
  const XmlSource xml(file, problems);
  if (!xml.ok()) return;
  if (const pugi::xml_node counter = xml.require("RunningTime", problems)) {
    std::string text = counter.child_value();
    const std::size_t first = text.find_first_not_of(" \t\n");
    text = first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t\n") - first + 1);
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) {
      problems.push_back({file.name, xml.lineOf(counter),
                          "RunningTime must hold a whole number of runs (0 for a new player), not \"" + text + "\""});
    }
  }
  xml.require("version", problems);
}

}  // namespace worldtool
