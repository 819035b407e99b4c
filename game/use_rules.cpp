// Using an object: what the table of rules says it does.
#include "game/use_rules.h"

#include "game/game_state.h"
#include "game/narration.h"
#include "game/screens.h"
#include "game/variants.h"
#include "kiv/core/kiv_engine.h"

namespace {

void tell(const char* text) { narrate(text, 3000); }

// Switches the light of `room` with one of its switches: the room follows
// the switch used last.
Next switchLight(ObjectCode switchUsed, RoomCode room) {
  objects& light = esya[switchUsed];
  const bool wasOn = light.getIsThatActive();
  tell(pickVariant(wasOn ? light.getDeactivatingTexts() : light.getActivatingTexts()));
  oda[room].setIsThatDark(wasOn);
  light.setIsThatActive(!wasOn);
  return goTo<ShowRoom>(room, false);
}

// The object's answer, then the room it leads to.
Next answerThenRoom(ObjectCode object, RoomCode room) {
  tell(pickVariant(esya[object].getActivatingTexts()));
  return goTo<ShowRoom>(room, false);
}

Next completeGame(ObjectCode wayOut) {
  tell(pickVariant(esya[wayOut].getActivatingTexts()));
  kiv::biip(2);
  narrate(kiv::linefeed(2) + YouCompletedTheGame);
  kiv::PressAnyKeyToContinue(PressAnyKeyToContinue);
  return goTo<menuler>(TitleScreen::Main, true);
}

}  // namespace

Next kullan(ObjectCode object, RoomCode room) {
  newScreen();
  show(kiv::linefeed(2));
  const std::optional<UseRule> rule = useRuleFor(object, room);
  if (!rule) return backToOpener();
  switch (rule->effect) {
    case UseEffect::SwitchLight:
      return switchLight(object, rule->then);
    case UseEffect::Answer:
    case UseEffect::LeadOn:
      return answerThenRoom(object, rule->then);
    case UseEffect::Complete:
      break;
  }
  return completeGame(object);
}
