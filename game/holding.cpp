// Holding an object: take it into hands (or put it back), leave it here, back.
#include <string>

#include "game/game_state.h"
#include "game/narration.h"
#include "game/screens.h"
#include "game/variants.h"
#include "kiv/core/kiv_engine.h"

Next ElinealBirakCik(ObjectCode code, RoomCode room) {
  objects& object = esya[code];
  const bool held = elindekiesya == code;
  const int y = kiv::getCursorPosY();
  takeleavequit_menu.initialize(false, kSelectedButton, kUnselectedButton);
  const std::string first = held ? PutIntoYourPockets : std::string(object.getTakeIntoHandsTitle());
  const int length = static_cast<int>(first.size());
  takeleavequit_menu.add_button(first, 5, y + 2);
  takeleavequit_menu.add_button(str_Leave, length + 12, y + 2);
  takeleavequit_menu.add_button(str_Back, length + static_cast<int>(str_Leave.size()) + 19, y + 2);

  switch (takeleavequit_menu.draw()) {
    case 1:
      newScreen();
      if (held) {
        narrate(kiv::linefeed(1) + "  " + pickVariant(object.getPickingUpTexts()));
        elindekiesya = kNoObject;
        return goTo<ShowPocket>(room);
      }
      if (elindekiesya != kNoObject) narrate(kiv::linefeed(1) + object.getPutIntoPocketsText(), 0);
      elindekiesya = code;
      narrate(kiv::linefeed(1) + object.getTookIntoHandsText());
      return goTo<ShowRoom>(room, false);
    case 2:
      oda[room].addLeftItem(code);
      inventory.removeItem(code);
      if (held) elindekiesya = kNoObject;  // what lies on the floor is not in hand
      newScreen();
      narrate(kiv::linefeed(1) + "  " + pickVariant(object.getWhenYouLeaveTexts()));
      return goTo<ShowRoom>(room, false);
    case 3:
      return goTo<ShowPocket>(room);
    default:
      return goTo<ShowRoom>(room, true);
  }
}
