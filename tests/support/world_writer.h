// Room, object, language and progress documents for tests, written from
// field values instead of line numbers.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "tools/world_skeleton.h"

namespace testworld {

// Values by field (see worldtool::Fields); "Contents" alone spreads a list
// of numbers over Contents 1, 2, ...
using Fields = worldtool::Fields;

// Writes the documents of a world into a folder. A document starts as a new
// one (worldtool::placeholders) and keeps every value given to it.
class WorldWriter {
 public:
  explicit WorldWriter(std::filesystem::path folder) : folder_(std::move(folder)) {}

  // Writes `file` ("tr.lng", "game.dat", "rooms/2.room", "objects/5.object")
  // with `fields` set over the values it held. Throws for an unknown field.
  void write(const std::string& file, const Fields& fields = {});
  // The line, counted from 1, that holds `field` (or opens the element at
  // that path) in `file`.
  static int lineOf(const std::string& file, const std::string& field) { return worldtool::lineOf(file, field); }
  // The new world the world tool starts from, in place of everything written
  // before: a world it finds no fault in.
  void writeRuleWorld();

  std::string lineEnd = "\n";  // what ends each line written from now on

 private:
  std::filesystem::path folder_;
  std::map<std::string, Fields> values_;
};

}  // namespace testworld
