// The rules of using objects: which object, used in which room, does what.
// A world gives its own in its rules document (rules_document.h); a world
// written without one plays by the original table below.
#pragma once

#include <optional>
#include <vector>

#include "game/codes.h"

enum class UseEffect {
  SwitchLight,  // switches the light of `then`; the switch used last decides
  Answer,       // the object's answer, then the room again
  LeadOn,       // the object's answer, then the room `then`
  Complete,     // the object's answer, the tune, and the game is complete
};

struct UseRule {
  ObjectCode object;
  RoomCode room;
  UseEffect effect;
  RoomCode then;             // the room switched or led to (none otherwise)
  bool needsPasser = false;  // only with the object's PasserObject in hands
};

// The rules of a world that has no rules document.
inline constexpr UseRule kUseRules[] = {
    {ObjectCode{1}, RoomCode{1}, UseEffect::SwitchLight, RoomCode{1}},
    {ObjectCode{3}, RoomCode{1}, UseEffect::SwitchLight, RoomCode{1}},
    {ObjectCode{4}, RoomCode{1}, UseEffect::Answer, kNoRoom},
    {ObjectCode{5}, RoomCode{1}, UseEffect::Answer, kNoRoom},
    {ObjectCode{6}, RoomCode{1}, UseEffect::LeadOn, RoomCode{2}},
    {ObjectCode{8}, RoomCode{2}, UseEffect::LeadOn, RoomCode{3}},
    {ObjectCode{9}, RoomCode{3}, UseEffect::Complete, kNoRoom},
};

// What a world's objects do.
struct WorldRules {
  std::vector<UseRule> uses;
  bool holdingTexts = false;  // HoldingText shown when an object is taken into hands

  // The rule for using `object` in `room`, if there is one (the first).
  std::optional<UseRule> ruleFor(ObjectCode object, RoomCode room) const {
    for (const UseRule& rule : uses)
      if (rule.object == object && rule.room == room) return rule;
    return std::nullopt;
  }
};

// The rules of a world written without a rules document.
inline WorldRules originalRules() { return {{std::begin(kUseRules), std::end(kUseRules)}, false}; }
