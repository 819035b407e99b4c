// Holding an object: take it into hands (or put it back), leave it here, back.
#include <string>

#include "game/game_state.h"
#include "game/screens.h"
#include "kiv/kiv_engine.h"

namespace {
const std::string kLead = "   ";
constexpr int kSelected = 0x02;
constexpr int kUnselected = 0x0E;
void narrate(const std::string& text, int finalPause = 2000) { kiv::yaz(text, true, 10, finalPause, kLead, 75); }
}  // namespace

Next ElinealBirakCik(int ObjectCode, int RoomCode) {
  objects& object = esya[ObjectCode];
  const bool held = elindekiesya == ObjectCode;
  const int y = kiv::getCursorPosY();
  takeleavequit_menu.initialize(false, kSelected, kUnselected);
  const std::string first = held ? PutIntoYourPockets : std::string(object.getTakeIntoHandsTitle());
  const int length = static_cast<int>(first.size());
  takeleavequit_menu.add_button(first, 5, y + 2);
  takeleavequit_menu.add_button(str_Leave, length + 12, y + 2);
  takeleavequit_menu.add_button(str_Back, length + static_cast<int>(str_Leave.size()) + 19, y + 2);

  switch (takeleavequit_menu.draw()) {
    case 1:
      newScreen();
      if (held) {
        narrate(kiv::linefeed(1) + "  " + object.getPickingUpText(kiv::Random(0, 2)));
        elindekiesya = 0;
        return goTo<ShowPocket>(RoomCode);
      }
      if (elindekiesya != 0) narrate(kiv::linefeed(1) + object.getPutIntoPocketsText(), 0);
      elindekiesya = ObjectCode;
      narrate(kiv::linefeed(1) + object.getTookIntoHandsText());
      return goTo<ShowRoom>(RoomCode, false);
    case 2:
      oda[RoomCode].addLeftItem(ObjectCode);
      inventory.removeItem(ObjectCode);
      if (held) elindekiesya = 0;  // what lies on the floor is not in hand
      newScreen();
      narrate(kiv::linefeed(1) + "  " + object.getWhenYouLeaveText(kiv::Random(0, 2)));
      return goTo<ShowRoom>(RoomCode, false);
    case 3:
      return goTo<ShowPocket>(RoomCode);
    default:
      return goTo<ShowRoom>(RoomCode, true);
  }
}
