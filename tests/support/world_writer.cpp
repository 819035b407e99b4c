// Test documents laid out line by line as the game's loaders read them.
#include "world_writer.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testworld {

void WorldWriter::write(const std::string& file, const Fields& fields) {
  Fields& values = values_[file];
  if (values.empty()) values = worldtool::placeholders(file);
  for (const auto& [field, value] : fields) {
    if (values.count(field)) {
      values[field] = value;
      continue;
    }
    std::istringstream list(value);  // numbers for "field 1", "field 2" ...
    int count = 0;
    for (std::string number; list >> number;) values.at(field + " " + std::to_string(++count)) = number;
    if (count == 0) throw std::invalid_argument("no field " + field);
  }
  std::filesystem::create_directories((folder_ / file).parent_path());
  std::ofstream(folder_ / file, std::ios::binary) << worldtool::documentText(file, values, lineEnd);
}

void WorldWriter::writeRuleWorld() {
  values_ = worldtool::skeletonWorld();
  for (const auto& [file, values] : values_) write(file);
}

}  // namespace testworld
