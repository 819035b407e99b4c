// Holding an object: take it into hands (or put it back), leave it here,
// back; and, where the world's objects combine, combine it with the one in hands.
#include <string>

#include "game/game_state.h"
#include "game/narration.h"
#include "game/screens.h"
#include "game/variants.h"
#include "kiv/core/kiv_engine.h"

namespace {

// True when some object of the world names an object it combines with.
bool worldCombines() {
  for (objects& object : esya)
    if (object.getObjectToCombine() != kNoObject) return true;
  return false;
}

// The object opened from the pockets combined with the one in hands: when
// each names the other, both become the new object; any other pair stays.
Next combine(ObjectCode code, RoomCode room) {
  objects& object = esya[code];
  const ObjectCode held = elindekiesya;
  newScreen();
  if (object.getObjectToCombine() != held || esya[held].getObjectToCombine() != code) {
    narrate(kiv::linefeed(1) + "  " + pickVariant(object.getUnableToCombineTexts()));
    return goTo<ShowRoom>(room, false);
  }
  inventory.removeItem(code);
  inventory.removeItem(held);
  elindekiesya = kNoObject;
  inventory.addItem(object.getNewObjectAfterCombination());
  narrate(kiv::linefeed(1) + "  " + pickVariant(object.getCombinationTexts()) + kiv::linefeed(2) + "  " +
          ObjectsInYourPockets + inventory_list());
  return goTo<ShowRoom>(room, false);
}

Next takeIntoHands(objects& object, ObjectCode code, RoomCode room) {
  if (elindekiesya != kNoObject) narrate(kiv::linefeed(1) + object.getPutIntoPocketsText(), 0);
  elindekiesya = code;
  if (!worldRules.holdingTexts) {
    narrate(kiv::linefeed(1) + object.getTookIntoHandsText());
  } else {
    narrate(kiv::linefeed(1) + object.getTookIntoHandsText(), 0);
    narrate(kiv::linefeed(1) + pickVariant(object.getHoldingTexts()));
  }
  return goTo<ShowRoom>(room, false);
}

}  // namespace

Next ElinealBirakCik(ObjectCode code, RoomCode room) {
  objects& object = esya[code];
  const bool held = elindekiesya == code;
  const int y = kiv::getCursorPosY();
  takeleavequit_menu.initialize(false, kSelectedButton, kUnselectedButton);
  const std::string first = held ? PutIntoYourPockets : std::string(object.getTakeIntoHandsTitle());
  const int length = static_cast<int>(first.size());
  const int leave = static_cast<int>(str_Leave.size());
  takeleavequit_menu.add_button(first, 5, y + 2);
  takeleavequit_menu.add_button(str_Leave, length + 12, y + 2);
  takeleavequit_menu.add_button(str_Back, length + leave + 19, y + 2);
  if (!held && elindekiesya != kNoObject && worldCombines())
    takeleavequit_menu.add_button(str_Combine, length + leave + static_cast<int>(str_Back.size()) + 26, y + 2);

  switch (takeleavequit_menu.draw()) {
    case 1:
      newScreen();
      if (held) {
        narrate(kiv::linefeed(1) + "  " + pickVariant(object.getPickingUpTexts()));
        elindekiesya = kNoObject;
        return goTo<ShowPocket>(room);
      }
      return takeIntoHands(object, code, room);
    case 2:
      oda[room].addLeftItem(code);
      inventory.removeItem(code);
      if (held) elindekiesya = kNoObject;  // what lies on the floor is not in hand
      newScreen();
      narrate(kiv::linefeed(1) + "  " + pickVariant(object.getWhenYouLeaveTexts()));
      return goTo<ShowRoom>(room, false);
    case 3:
      return goTo<ShowPocket>(room);
    case 4:
      return combine(code, room);
    default:
      return goTo<ShowRoom>(room, true);
  }
}
