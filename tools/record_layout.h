// The line-by-line layout of room and object documents: which lines hold
// text and how much, then which numbers follow and what each may be.
#pragma once

#include <string>
#include <vector>

#include "game/codes.h"
#include "game/record_fields.h"

namespace worldtool {

// The characters a line may hold: what the game's record keeps of it.
constexpr int kShortLimit = static_cast<int>(kLabelKeep) - 1;  // names and button labels
constexpr int kTextLimit = static_cast<int>(kTextKeep) - 1;    // every other text line
constexpr int kLastCode = kTableSize - 1;                      // room and object codes 1 to kLastCode; 0 means none

enum class NumberKind { Flag, RoomCode, ObjectCode };

struct NumberField {
  std::string name;  // as the documentation calls it, e.g. "Contents 3"
  NumberKind kind;
};

struct RecordLayout {
  std::string kind;                    // "room" or "object"
  std::string folder;                  // "rooms" or "objects"
  std::vector<std::string> textLines;  // the lines before the numbers, by name ("Header", "Name", "Description 1" ...)
  std::vector<int> shortLines;         // lines held to kShortLimit characters (line 2, the name, always)
  std::vector<NumberField> numbers;
  bool typedName = false;  // the name is what the player types

  int lineCount() const { return static_cast<int>(textLines.size()); }
  int limitOf(int line) const;                  // characters allowed on `line`; 0 for no limit
  int indexOf(const std::string& field) const;  // position of a number in the block
};

const RecordLayout& roomLayout();
const RecordLayout& objectLayout();

}  // namespace worldtool
