// What using an object does: the game's fixed rules, each for one object in
// one room.
#include <string>

#include "game/game_state.h"
#include "game/screens.h"
#include "kiv/kiv_engine.h"

namespace {

// The game's objects and rooms that the rules name.
constexpr int kFirstRoom = 1, kSecondRoom = 2, kLastRoom = 3;
constexpr int kLightSwitchA = 1, kLightSwitchB = 3;
constexpr int kAnswersA = 4, kAnswersB = 5;
constexpr int kPassageToSecond = 6, kPassageToLast = 8, kWayOut = 9;

void tell(const char* text) { kiv::yaz(text, true, 10, 3000, "   ", 75); }

// Switches the light of the first room with one of its two switches: the
// room follows the switch used last.
Next toggleLight(int ObjectCode) {
  objects& light = esya[ObjectCode];
  const bool wasOn = light.getIsThatActive();
  tell(wasOn ? light.getDeactivatingText(kiv::Random(0, 2)) : light.getActivatingText(kiv::Random(0, 2)));
  oda[kFirstRoom].setIsThatDark(wasOn);
  light.setIsThatActive(!wasOn);
  return goTo<ShowRoom>(kFirstRoom, false);
}

// The object's answer, then the room it leads to.
Next answerThenRoom(int ObjectCode, int RoomCode) {
  tell(esya[ObjectCode].getActivatingText(kiv::Random(0, 2)));
  return goTo<ShowRoom>(RoomCode, false);
}

Next completeGame() {
  tell(esya[kWayOut].getActivatingText(kiv::Random(0, 2)));
  kiv::biip(2);
  kiv::yaz(kiv::linefeed(2) + YouCompletedTheGame, true, 10, 2000, "   ", 75);
  kiv::PressAnyKeyToContinue(PressAnyKeyToContinue);
  return goTo<menuler>(1, true);
}

}  // namespace

Next kullan(int ObjectCode, int RoomCode) {
  newScreen();
  kiv::yaz(kiv::linefeed(2), false, 0, 0, "   ", 75);
  switch (RoomCode) {
    case kFirstRoom:
      if (ObjectCode == kLightSwitchA || ObjectCode == kLightSwitchB) return toggleLight(ObjectCode);
      if (ObjectCode == kAnswersA || ObjectCode == kAnswersB) return answerThenRoom(ObjectCode, kFirstRoom);
      if (ObjectCode == kPassageToSecond) return answerThenRoom(ObjectCode, kSecondRoom);
      break;
    case kSecondRoom:
      if (ObjectCode == kPassageToLast) return answerThenRoom(ObjectCode, kLastRoom);
      break;
    case kLastRoom:
      if (ObjectCode == kWayOut) return completeGame();
      break;
    default:
      break;
  }
  return noScreen();
}
