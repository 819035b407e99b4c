// The room and object document layouts, as the game's loaders read them.
#include "tools/record_layout.h"

#include <algorithm>

namespace worldtool {
namespace {

void addCodes(std::vector<NumberField>& numbers, const std::string& name, int count, NumberKind kind) {
  for (int i = 1; i <= count; ++i) numbers.push_back({name + " " + std::to_string(i), kind});
}

}  // namespace

int RecordLayout::limitOf(int line) const {
  if (line == 1) return 0;
  return std::count(shortLines.begin(), shortLines.end(), line) ? kShortLimit : kTextLimit;
}

int RecordLayout::indexOf(const std::string& field) const {
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (numbers[i].name == field) return static_cast<int>(i);
  }
  return -1;
}

const RecordLayout& roomLayout() {
  static const RecordLayout layout = [] {
    // 1 ignored, 2 name, 3-7 lit, 8-12 links, 13-17 locked, 18-22 dark.
    RecordLayout room{"room", "rooms", 22, {2}, {}, false};
    room.numbers = {{"IsThatLocked", NumberKind::Flag}, {"IsThatDark", NumberKind::Flag}};
    addCodes(room.numbers, "Links", 10, NumberKind::RoomCode);
    addCodes(room.numbers, "Contents", 10, NumberKind::ObjectCode);
    addCodes(room.numbers, "ContentsWhileDark", 10, NumberKind::ObjectCode);
    return room;
  }();
  return layout;
}

const RecordLayout& objectLayout() {
  static const RecordLayout layout = [] {
    // Labels: 22 take into hands, 36 activate, 40 deactivate.
    RecordLayout object{"object", "objects", 46, {2, 22, 36, 40}, {}, true};
    object.numbers = {{"CanPickUp", NumberKind::Flag},
                      {"CanInteract", NumberKind::Flag},
                      {"PasserObject", NumberKind::ObjectCode},
                      {"IsThatActive", NumberKind::Flag},
                      {"ObjectToInteract", NumberKind::ObjectCode},
                      {"ObjectToCombine", NumberKind::ObjectCode},
                      {"NewObjectAfterCombination", NumberKind::ObjectCode}};
    addCodes(object.numbers, "Contents", 5, NumberKind::ObjectCode);
    return object;
  }();
  return layout;
}

}  // namespace worldtool
