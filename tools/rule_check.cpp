// The game's fixed rules of using objects, and what they need of the world.
#include <string>

#include "tools/world_check.h"

namespace worldtool {
namespace {

struct Rule {
  int object;
  int room;
  const char* does;
};

// Mirrors the game's table of using objects: object, room, what using it there does.
constexpr Rule kRules[] = {
    {1, 1, "switches room 1's light"}, {3, 1, "switches room 1's light"},
    {4, 1, "gives its text"},          {5, 1, "gives its text"},
    {6, 1, "leads to room 2"},         {8, 2, "leads to room 3"},
    {9, 3, "completes the game"},
};

std::string ruleText(const Rule& rule) {
  return "using object " + std::to_string(rule.object) + " in room " + std::to_string(rule.room) + " " + rule.does;
}

}  // namespace

void checkRules(const Records& rooms, const Records& objects, Problems& problems) {
  for (int room = 1; room <= 3; ++room) {
    if (rooms.count(room)) continue;
    problems.push_back({"rooms/" + std::to_string(room) + ".room", 0,
                        "not loaded, but the game's rules lead the player through rooms 1, 2 and 3"});
  }
  const RecordLayout& roomFormat = roomLayout();
  const RecordLayout& objectFormat = objectLayout();
  for (const Rule& rule : kRules) {
    const auto object = objects.find(rule.object);
    if (object == objects.end()) {
      problems.push_back({"objects/" + std::to_string(rule.object) + ".object", 0, "not loaded, but " + ruleText(rule)});
    } else if (object->second.numbersValid && object->second.number(objectFormat, "CanInteract").value != 1) {
      problems.push_back({object->second.file, object->second.number(objectFormat, "CanInteract").line,
                          "CanInteract must be 1: " + ruleText(rule)});
    }
    const auto room = rooms.find(rule.room);
    if (room == rooms.end() || !room->second.numbersValid) continue;
    const int first = roomFormat.indexOf("Contents 1");
    bool there = false;
    for (int slot = first; slot < first + 10; ++slot) there = there || room->second.numbers[slot].value == rule.object;
    if (!there) {
      problems.push_back({room->second.file, room->second.numbers[first].line,
                          "object " + std::to_string(rule.object) + " must lie in Contents (the lit room): " +
                              ruleText(rule)});
    }
  }
}

}  // namespace worldtool
