// Using an object: what the world's rules say it does, and using the object
// in hands on another one.
#include "game/use_rules.h"

#include "game/game_state.h"
#include "game/narration.h"
#include "game/screens.h"
#include "game/variants.h"
#include "kiv/core/kiv_engine.h"

namespace {

void tell(const char* text) { narrate(text, 3000); }

Next completeGame() {
  kiv::biip(2);
  narrate(kiv::linefeed(2) + YouCompletedTheGame);
  kiv::PressAnyKeyToContinue(PressAnyKeyToContinue);
  return goTo<menuler>(TitleScreen::Main, true);
}

// True when the object in hands is one that acts on `object`.
bool heldActsOn(ObjectCode object) {
  return elindekiesya != kNoObject && esya[elindekiesya].getObjectToInteract() == object;
}

}  // namespace

Next kullan(ObjectCode code, RoomCode room) {
  newScreen();
  show(kiv::linefeed(2));
  const std::optional<UseRule> rule = worldRules.ruleFor(code, room);
  const bool usedOn = heldActsOn(code);
  if (!rule && !usedOn) return backToOpener();
  objects& object = esya[code];
  if (rule && rule->needsPasser && elindekiesya != object.getPasserObject()) {
    tell(pickVariant(object.getDeactivatingTexts()));
    return goTo<ShowRoom>(room, false);
  }
  const bool switchedOn = object.getIsThatActive();
  const bool switching = rule && rule->effect == UseEffect::SwitchLight;
  if (usedOn)
    tell(pickVariant(esya[elindekiesya].getInteractionWithAnotherObjectTexts()));
  else
    tell(pickVariant(switching && switchedOn ? object.getDeactivatingTexts() : object.getActivatingTexts()));
  if (!rule) return goTo<ShowRoom>(room, false);
  switch (rule->effect) {
    case UseEffect::SwitchLight:
      oda[rule->then].setIsThatDark(switchedOn);
      object.setIsThatActive(!switchedOn);
      return goTo<ShowRoom>(room, false);
    case UseEffect::Answer:
      return goTo<ShowRoom>(room, false);
    case UseEffect::LeadOn:
      return goTo<ShowRoom>(rule->then, false);
    case UseEffect::Complete:
      break;
  }
  return completeGame();
}
