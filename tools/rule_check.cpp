// What the game's rules of using objects need of the world: the rooms they
// lead through, and each rule's object, usable, in its room.
#include <set>
#include <string>

#include "game/rooms.h"
#include "game/use_rules.h"
#include "tools/world_check.h"

namespace worldtool {
namespace {

std::string ruleText(const UseRule& rule) {
  std::string does;
  switch (rule.effect) {
    case UseEffect::SwitchLight:
      does = "switches room " + std::to_string(indexOf(rule.then)) + "'s light";
      break;
    case UseEffect::Answer:
      does = "gives its text";
      break;
    case UseEffect::LeadOn:
      does = "leads to room " + std::to_string(indexOf(rule.then));
      break;
    case UseEffect::Complete:
      does = "completes the game";
      break;
  }
  return "using object " + std::to_string(indexOf(rule.object)) + " in room " + std::to_string(indexOf(rule.room)) +
         " " + does;
}

// "1, 2 and 3"
std::string listed(const std::set<int>& codes) {
  std::string text;
  std::size_t i = 0;
  for (const int code : codes) {
    text += (i == 0 ? "" : i + 1 == codes.size() ? " and " : ", ") + std::to_string(code);
    ++i;
  }
  return text;
}

}  // namespace

std::set<int> ruleRooms() {
  std::set<int> rooms;
  for (const UseRule& rule : kUseRules) {
    rooms.insert(indexOf(rule.room));
    if (rule.then != kNoRoom) rooms.insert(indexOf(rule.then));
  }
  return rooms;
}

void checkRules(const Records& rooms, const Records& objects, Problems& problems) {
  const std::set<int> ledThrough = ruleRooms();
  for (const int room : ledThrough) {
    if (rooms.count(room)) continue;
    problems.push_back({"rooms/" + std::to_string(room) + ".room", 0,
                        "not loaded, but the game's rules lead the player through rooms " + listed(ledThrough)});
  }
  const RecordLayout& roomFormat = roomLayout();
  const RecordLayout& objectFormat = objectLayout();
  for (const UseRule& rule : kUseRules) {
    const int objectCode = indexOf(rule.object);
    const auto object = objects.find(objectCode);
    if (object == objects.end()) {
      problems.push_back({"objects/" + std::to_string(objectCode) + ".object", 0, "not loaded, but " + ruleText(rule)});
    } else if (object->second.numbersValid && object->second.number(objectFormat, "CanInteract").value != 1) {
      problems.push_back({object->second.file, object->second.number(objectFormat, "CanInteract").line,
                          "CanInteract must be 1: " + ruleText(rule)});
    }
    const auto room = rooms.find(indexOf(rule.room));
    if (room == rooms.end() || !room->second.numbersValid) continue;
    const int first = roomFormat.indexOf("Contents 1");
    bool there = false;
    for (int slot = first; slot < first + kContentSlots; ++slot)
      there = there || room->second.numbers[slot].value == objectCode;
    if (!there) {
      problems.push_back(
          {room->second.file, room->second.numbers[first].line,
           "object " + std::to_string(objectCode) + " must lie in Contents (the lit room): " + ruleText(rule)});
    }
  }
}

}  // namespace worldtool
