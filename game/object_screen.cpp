// The object screen and its action menu: use, pick up, back.
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "game/screens.h"
#include "kiv/kiv_engine.h"

namespace {
const std::string kLead = "   ";
constexpr int kSelected = 0x02;
constexpr int kUnselected = 0x0E;

void narrate(const std::string& text) { kiv::yaz(text, true, 10, 2000, kLead, 75); }

// A refusal on a screen of its own, then the room below it.
void refusal(const char* text) {
  newScreen();
  kiv::yaz(kiv::linefeed(2), false, 0, 0, kLead, 75);
  narrate(text);
}

Next pickUp(int ObjectCode, int RoomCode) {
  newScreen();
  if (PickUp(ObjectCode, RoomCode)) {
    const int t = kiv::Random(0, 4);
    const int p = kiv::Random(0, 2);
    narrate(kiv::linefeed(1) + "  " + esya[ObjectCode].getPickingUpText(p) + kiv::linefeed(2) + "  " +
            ObjectsInYourPockets + inventory_list() + kiv::linefeed(2) + "  " + TypePockets[t]);
  } else {
    narrate(PocketsAreFullTexts[kiv::Random(0, 4)] + kiv::linefeed(1) + inventory_list());
  }
  return goTo<ShowRoom>(gunceloda, false);
}

}  // namespace

Next ShowObject(int RoomCode, int ObjectCode, bool kullanalcik, bool BGReset) {
  if (BGReset) newScreen();
  oda[RoomCode].title_page();
  esya[ObjectCode].title_page();
  kiv::yaz(kiv::linefeed(1), false, 0, 0, kLead, 75);
  kiv::yaz(esya[ObjectCode].getExamineText(kiv::Random(0, 4)), true, 10, 1000, kLead, 75);
  if (kullanalcik) return goTo<kullanalcikismenusu>(ObjectCode, RoomCode);
  return goTo<ElinealBirakCik>(ObjectCode, RoomCode);
}

Next kullanalcikismenusu(int ObjectCode, int RoomCode) {
  objects& object = esya[ObjectCode];
  const int y = kiv::getCursorPosY();
  usetakequit_menu.initialize(false, kSelected, kUnselected);
  const bool switchedOn = std::strlen(object.getDeactivatingText(0)) > 5 && object.getIsThatActive();
  const std::string first = switchedOn ? object.getPassivationTitle() : object.getInteractTitle();
  const int saga = static_cast<int>(first.size());
  usetakequit_menu.add_button(first, 5, y + 2);
  usetakequit_menu.add_button(str_PickUp, saga + 19, y + 2);
  usetakequit_menu.add_button(str_Back, saga + static_cast<int>(str_PickUp.size()) + 30, y + 2);

  switch (usetakequit_menu.draw()) {
    case 1:
      if (object.getCanInteract()) return goTo<kullan>(ObjectCode, RoomCode);
      refusal(object.getActivatingText(kiv::Random(0, 2)));
      return goTo<ShowObject>(RoomCode, ObjectCode, true, false);
    case 2:
      if (object.getCanPickUp()) return pickUp(ObjectCode, RoomCode);
      refusal(object.getPickingUpText(kiv::Random(0, 2)));
      return goTo<ShowRoom>(gunceloda, false);
    default:
      return goTo<ShowRoom>(RoomCode, true);
  }
}
