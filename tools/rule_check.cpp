// What the world's rules of using objects need of the world: each line of
// its rules document well formed, each rule's object usable where it is
// used, every room reached, and the game completable.
#include <map>
#include <set>
#include <string>

#include "game/rooms.h"
#include "game/rules_document.h"
#include "tools/world_check.h"

namespace worldtool {
namespace {

// A rule and the line of the rules document that gives it (0 for the
// original table).
struct PlacedRule {
  UseRule rule;
  int line = 0;
};

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

int numberOf(const Records& records, int code, const RecordLayout& layout, const std::string& field) {
  const auto record = records.find(code);
  return record == records.end() || !record->second.numbersValid ? 0 : record->second.number(layout, field).value;
}

bool liesIn(const Records& rooms, int room, int object) {
  for (int slot = 1; slot <= kContentSlots; ++slot)
    if (numberOf(rooms, room, roomLayout(), "Contents " + std::to_string(slot)) == object) return true;
  return false;
}

// The rules of the document, each fault of a line reported at it.
std::vector<PlacedRule> readPlacedRules(const SourceFile& file, Problems& problems) {
  std::vector<PlacedRule> rules;
  int settingLine = 0;
  for (const SourceLine& line : file.lines) {
    const RulesLine read = readRulesLine(line.utf8);
    if (read.kind == RulesLine::Kind::Fault) problems.push_back({file.name, line.number, read.fault});
    if (read.kind == RulesLine::Kind::Rule) rules.push_back({read.rule, line.number});
    if (read.kind != RulesLine::Kind::HoldingTexts) continue;
    if (settingLine != 0)
      problems.push_back(
          {file.name, line.number, "holding-texts is already on, on line " + std::to_string(settingLine)});
    settingLine = line.number;
  }
  return rules;
}

// Where the player can go and what the player can carry, from room 1 on:
// objects that can be picked up in a room reached, what they combine into,
// and the rooms that passages lead to with what they need at hand.
struct Reach {
  std::set<int> rooms{1};
  std::set<int> carried;

  bool usable(const Records& roomRecords, const UseRule& rule) const {
    const int object = indexOf(rule.object);
    return rooms.count(indexOf(rule.room)) &&
           (liesIn(roomRecords, indexOf(rule.room), object) || carried.count(object));
  }
};

Reach reachOf(const std::vector<PlacedRule>& rules, const Records& rooms, const Records& objects) {
  const RecordLayout& format = objectLayout();
  Reach reach;
  for (std::size_t before = 0; before != reach.rooms.size() + reach.carried.size();) {
    before = reach.rooms.size() + reach.carried.size();
    for (const int room : reach.rooms)
      for (int slot = 1; slot <= kContentSlots; ++slot) {
        const int object = numberOf(rooms, room, roomLayout(), "Contents " + std::to_string(slot));
        if (object != 0 && numberOf(objects, object, format, "CanPickUp") == 1) reach.carried.insert(object);
      }
    for (const int object : std::set<int>(reach.carried)) {
      const int partner = numberOf(objects, object, format, "ObjectToCombine");
      if (reach.carried.count(partner) && numberOf(objects, partner, format, "ObjectToCombine") == object)
        reach.carried.insert(numberOf(objects, object, format, "NewObjectAfterCombination"));
    }
    for (const auto& [rule, line] : rules) {
      const int passer = numberOf(objects, indexOf(rule.object), format, "PasserObject");
      if (rule.effect == UseEffect::LeadOn && reach.usable(rooms, rule) &&
          (!rule.needsPasser || reach.carried.count(passer)))
        reach.rooms.insert(indexOf(rule.then));
    }
  }
  return reach;
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

void checkRules(const SourceFile* rulesFile, const Records& rooms, const Records& objects, Problems& problems) {
  std::vector<PlacedRule> rules;
  if (rulesFile) {
    rules = readPlacedRules(*rulesFile, problems);
  } else {
    for (const UseRule& rule : kUseRules) rules.push_back({rule, 0});
    const std::set<int> ledThrough = ruleRooms();
    for (const int room : ledThrough) {
      if (rooms.count(room)) continue;
      problems.push_back({"rooms/" + std::to_string(room) + ".room", 0,
                          "not loaded, but the game's rules lead the player through rooms " + listed(ledThrough)});
    }
  }
  const std::string rulesName = rulesFile ? rulesFile->name : "";
  const RecordLayout& objectFormat = objectLayout();
  std::map<std::pair<int, int>, int> pairs;  // (object, room) -> the line of its first rule
  for (const auto& [rule, line] : rules) {
    const int objectCode = indexOf(rule.object);
    const int roomCode = indexOf(rule.room);
    const auto [first, isNew] = pairs.emplace(std::pair{objectCode, roomCode}, line);
    if (!isNew) {
      problems.push_back({rulesName, line,
                          "a second rule for object " + std::to_string(objectCode) + " in room " +
                              std::to_string(roomCode) + "; the first is on line " + std::to_string(first->second)});
    }
    bool known = true;
    for (const int room : {roomCode, indexOf(rule.then)}) {
      if (room == 0 || rooms.count(room) || !rulesFile) continue;
      problems.push_back({rulesName, line, "room " + std::to_string(room) + " has no document that the game loads"});
      known = false;
    }
    const auto object = objects.find(objectCode);
    if (object == objects.end()) {
      problems.push_back(
          rulesFile
              ? Problem{rulesName, line,
                        "object " + std::to_string(objectCode) + " has no document that the game loads"}
              : Problem{"objects/" + std::to_string(objectCode) + ".object", 0, "not loaded, but " + ruleText(rule)});
      continue;
    }
    if (!known || !object->second.numbersValid) continue;
    const ReadNumber& canInteract = object->second.number(objectFormat, "CanInteract");
    if (canInteract.value != 1) {
      problems.push_back(
          rulesFile ? Problem{rulesName, line,
                              "object " + std::to_string(objectCode) + " cannot be used (its CanInteract is 0)"}
                    : Problem{object->second.file, canInteract.line, "CanInteract must be 1: " + ruleText(rule)});
    }
    if (rule.needsPasser && object->second.number(objectFormat, "PasserObject").value == 0) {
      problems.push_back(
          {rulesName, line, "needs-passer, but object " + std::to_string(objectCode) + " has PasserObject 0"});
    }
    const auto room = rooms.find(roomCode);
    const bool carriable = object->second.number(objectFormat, "CanPickUp").value == 1;
    if (room == rooms.end() || !room->second.numbersValid || carriable || liesIn(rooms, roomCode, objectCode)) continue;
    const int contents = roomLayout().indexOf("Contents 1");
    problems.push_back(
        {room->second.file, room->second.numbers[contents].line,
         "object " + std::to_string(objectCode) + " must lie in Contents (the lit room): " + ruleText(rule)});
  }
  if (!problems.empty()) return;  // reaching rooms is measured on a world without other faults
  const Reach reach = reachOf(rules, rooms, objects);
  for (const auto& [code, room] : rooms) {
    if (!reach.rooms.count(code))
      problems.push_back(
          {room.file, 0, "no passage reaches this room: no lead rule can take the player here from room 1"});
  }
  bool completable = false;
  for (const auto& [rule, line] : rules) {
    const int passer = numberOf(objects, indexOf(rule.object), objectFormat, "PasserObject");
    completable = completable || (rule.effect == UseEffect::Complete && reach.usable(rooms, rule) &&
                                  (!rule.needsPasser || reach.carried.count(passer)));
  }
  if (!completable) {
    problems.push_back({rulesName.empty() ? "rooms/1.room" : rulesName, 0,
                        "the game cannot be completed: no complete rule can be reached from room 1"});
  }
}

}  // namespace worldtool
