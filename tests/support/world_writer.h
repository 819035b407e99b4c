// Room, object, language and progress documents for tests, written from
// field values instead of line numbers.
#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace testworld {

// Values by field: a document's text lines ("Name", "Description 2") and
// numbers ("IsThatDark", "Contents 3"; "Contents" alone spreads a list of
// numbers over Contents 1, 2, ...), or an XML file's elements by path
// ("Buttons/Yes", "?xml" for the declaration). Written as given, markup and
// line ends included.
using Fields = std::map<std::string, std::string>;

// Writes the documents of a world into a folder. A document starts from
// defaults and keeps every value given to it: each text line holds its
// field's name ("Description 2"), each number is 0, each language string its
// path; an object is named OBJECT<code>, a room ROOM<code>.
class WorldWriter {
 public:
  explicit WorldWriter(std::filesystem::path folder) : folder_(std::move(folder)) {}

  // Writes `file` ("tr.lng", "game.dat", "rooms/2.room", "objects/5.object")
  // with `fields` set over the values it held. Throws for an unknown field.
  void write(const std::string& file, const Fields& fields = {});
  // The line, counted from 1, that holds `field` (or opens the element at
  // that path) in `file`.
  int lineOf(const std::string& file, const std::string& field) const;
  // Rooms 1 to 3 and objects 1 to 9 placed as the game's rules of using
  // objects need them, with the language and progress files, every document
  // from its defaults: a world the world tool finds no fault in.
  void writeRuleWorld();

  std::string lineEnd = "\n";  // what ends each line written from now on

 private:
  std::filesystem::path folder_;
  std::map<std::string, Fields> values_;
};

}  // namespace testworld
