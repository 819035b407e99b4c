// The room screen: where the player is and what lies there.
#include <string>

#include "game/game_state.h"
#include "game/narration.h"
#include "game/screens.h"
#include "game/variants.h"
#include "kiv/core/kiv_engine.h"

Next ShowRoom(RoomCode code, bool BGReset) {
  gunceloda = code;
  if (BGReset) newScreen();
  rooms& room = oda[code];
  room.title_page();
  std::string odametnimiz =
      pickVariant(room.getIsThatDark() ? room.getDescriptionsWhileDark() : room.getDescriptions());
  if (elindekiesya != kNoObject)
    odametnimiz += "  Elinde tuttugun obje : " + kiv::CharToString(esya[elindekiesya].getName()) + ". ";
  odametnimiz += esyalarilistele(code);
  narrate(odametnimiz);
  return goTo<komutisteme>(code);
}

namespace {

// Calls `visit` with each object code the room shows, in slot order: the
// dark contents while it is dark, else the lit ones.
template <class Visit>
void forVisibleObjects(RoomCode code, Visit visit) {
  rooms& room = oda[code];
  const bool dark = room.getIsThatDark();
  for (int slot = 0; slot < kContentSlots; ++slot) {
    const ObjectCode object = dark ? room.getContentsWhileDark(slot) : room.getContents(slot);
    if (object != kNoObject) visit(object);
  }
}

}  // namespace

std::string esyalarilistele(RoomCode code) {
  std::string esyayazimiz;
  forVisibleObjects(code, [&](ObjectCode object) {
    const std::string gecici = pickVariant(esya[object].getDescriptions());
    esyayazimiz += " " + gecici;
  });
  rooms& room = oda[code];
  for (int i = 0; i < room.getNumberOfLeftItems(); ++i) {
    const std::string gecici = pickVariant(esya[room.getLeftItem(i)].getLeftDescriptions());
    esyayazimiz += " " + gecici;
  }
  return esyayazimiz;
}

std::string esyaisimsirala(RoomCode code) {
  std::string esyayazimiz;
  forVisibleObjects(code, [&](ObjectCode object) { esyayazimiz += std::string(" ") + esya[object].getName(); });
  return esyayazimiz;
}
