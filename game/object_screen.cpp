// The object screen and its action menu: use, pick up, back.
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "game/narration.h"
#include "game/screens.h"
#include "game/variants.h"
#include "kiv/core/kiv_engine.h"

namespace {

// A refusal on a screen of its own, then the room below it.
void refusal(const char* text) {
  newScreen();
  show(kiv::linefeed(2));
  narrate(text);
}

Next pickUp(ObjectCode object, RoomCode room) {
  newScreen();
  if (PickUp(object, room)) {
    const std::string& typePockets = pickVariant(TypePockets);
    const char* pickedUp = pickVariant(esya[object].getPickingUpTexts());
    narrate(kiv::linefeed(1) + "  " + pickedUp + kiv::linefeed(2) + "  " + ObjectsInYourPockets + inventory_list() +
            kiv::linefeed(2) + "  " + typePockets);
  } else {
    narrate(pickVariant(PocketsAreFullTexts) + kiv::linefeed(1) + inventory_list());
  }
  return goTo<ShowRoom>(gunceloda, false);
}

}  // namespace

Next ShowObject(RoomCode room, ObjectCode object, bool kullanalcik, bool BGReset) {
  if (BGReset) newScreen();
  oda[room].title_page();
  esya[object].title_page();
  show(kiv::linefeed(1));
  narrate(pickVariant(esya[object].getExamineTexts()), 1000);
  if (kullanalcik) return goTo<kullanalcikismenusu>(object, room);
  return goTo<ElinealBirakCik>(object, room);
}

Next kullanalcikismenusu(ObjectCode code, RoomCode room) {
  objects& object = esya[code];
  const int y = kiv::getCursorPosY();
  usetakequit_menu.initialize(false, kSelectedButton, kUnselectedButton);
  const bool switchedOn = std::strlen(object.getDeactivatingText(0)) > 5 && object.getIsThatActive();
  const std::string first = switchedOn ? object.getPassivationTitle() : object.getInteractTitle();
  const int saga = static_cast<int>(first.size());
  usetakequit_menu.add_button(first, 5, y + 2);
  usetakequit_menu.add_button(str_PickUp, saga + 19, y + 2);
  usetakequit_menu.add_button(str_Back, saga + static_cast<int>(str_PickUp.size()) + 30, y + 2);

  switch (usetakequit_menu.draw()) {
    case 1:
      if (object.getCanInteract()) return goTo<kullan>(code, room);
      refusal(pickVariant(object.getActivatingTexts()));
      return goTo<ShowObject>(room, code, true, false);
    case 2:
      if (object.getCanPickUp()) return pickUp(code, room);
      refusal(pickVariant(object.getPickingUpTexts()));
      return goTo<ShowRoom>(gunceloda, false);
    default:
      return goTo<ShowRoom>(room, true);
  }
}
