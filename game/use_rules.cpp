// Using an object: what the table of rules says it does.
#include "game/use_rules.h"

#include "game/game_state.h"
#include "game/narration.h"
#include "game/screens.h"
#include "kiv/core/kiv_engine.h"

namespace {

void tell(const char* text) { narrate(text, 3000); }

// Switches the light of `room` with one of its switches: the room follows
// the switch used last.
Next switchLight(ObjectCode switchUsed, RoomCode room) {
  objects& light = esya[switchUsed];
  const bool wasOn = light.getIsThatActive();
  tell(wasOn ? light.getDeactivatingText(kiv::Random(0, 2)) : light.getActivatingText(kiv::Random(0, 2)));
  oda[room].setIsThatDark(wasOn);
  light.setIsThatActive(!wasOn);
  return goTo<ShowRoom>(room, false);
}

// The object's answer, then the room it leads to.
Next answerThenRoom(ObjectCode object, RoomCode room) {
  tell(esya[object].getActivatingText(kiv::Random(0, 2)));
  return goTo<ShowRoom>(room, false);
}

Next completeGame(ObjectCode wayOut) {
  tell(esya[wayOut].getActivatingText(kiv::Random(0, 2)));
  kiv::biip(2);
  narrate(kiv::linefeed(2) + YouCompletedTheGame);
  kiv::PressAnyKeyToContinue(PressAnyKeyToContinue);
  return goTo<menuler>(Menu::Main, true);
}

}  // namespace

Next kullan(ObjectCode object, RoomCode room) {
  newScreen();
  show(kiv::linefeed(2));
  const std::optional<UseRule> rule = useRuleFor(object, room);
  if (!rule) return noScreen();
  switch (rule->effect) {
    case UseEffect::SwitchLight:
      return switchLight(object, rule->then);
    case UseEffect::Answer:
    case UseEffect::LeadOn:
      return answerThenRoom(object, rule->then);
    case UseEffect::Complete:
      return completeGame(object);
  }
  return noScreen();
}
