// The game's fixed rules of using objects: which object, used in which room,
// does what. The game dispatches on this table and the world checker reads
// it to know which objects the world must have where.
#pragma once

#include <optional>

#include "game/codes.h"

enum class UseEffect {
  SwitchLight,  // switches the light of `then`; the switch used last decides
  Answer,       // the object's answer, then the room `then` again
  LeadOn,       // the object's answer, then the room `then`
  Complete,     // the object's answer, the tune, and the game is complete
};

struct UseRule {
  ObjectCode object;
  RoomCode room;
  UseEffect effect;
  RoomCode then;  // the room shown after it (none after completing the game)
};

inline constexpr UseRule kUseRules[] = {
    {ObjectCode{1}, RoomCode{1}, UseEffect::SwitchLight, RoomCode{1}},
    {ObjectCode{3}, RoomCode{1}, UseEffect::SwitchLight, RoomCode{1}},
    {ObjectCode{4}, RoomCode{1}, UseEffect::Answer, RoomCode{1}},
    {ObjectCode{5}, RoomCode{1}, UseEffect::Answer, RoomCode{1}},
    {ObjectCode{6}, RoomCode{1}, UseEffect::LeadOn, RoomCode{2}},
    {ObjectCode{8}, RoomCode{2}, UseEffect::LeadOn, RoomCode{3}},
    {ObjectCode{9}, RoomCode{3}, UseEffect::Complete, kNoRoom},
};

// The rule for using `object` in `room`, if there is one.
constexpr std::optional<UseRule> useRuleFor(ObjectCode object, RoomCode room) {
  for (const UseRule& rule : kUseRules)
    if (rule.object == object && rule.room == room) return rule;
  return std::nullopt;
}
