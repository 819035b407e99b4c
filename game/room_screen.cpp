// The room screen: where the player is and what lies there.
#include <string>

#include "game/game_state.h"
#include "game/screens.h"
#include "kiv/kiv_engine.h"

Next ShowRoom(int RoomCode, bool BGReset) {
  gunceloda = RoomCode;
  if (BGReset) newScreen();
  rooms& room = oda[RoomCode];
  room.title_page();
  std::string odametnimiz =
      room.getIsThatDark() ? room.getDescriptionWhileDark(kiv::Random(0, 4)) : room.getDescription(kiv::Random(0, 4));
  if (elindekiesya != 0)
    odametnimiz += "  Elinde tuttugun obje : " + kiv::CharToString(esya[elindekiesya].getName()) + ". ";
  odametnimiz += esyalarilistele(RoomCode);
  kiv::yaz(odametnimiz, true, 10, 2000, "   ", 75);
  return goTo<komutisteme>(RoomCode);
}

namespace {

// Calls `visit` with each object code the room shows, in slot order: the
// dark contents while it is dark, else the lit ones.
template <class Visit>
void forVisibleObjects(int RoomCode, Visit visit) {
  rooms& room = oda[RoomCode];
  const bool dark = room.getIsThatDark();
  for (int slot = 0; slot < 10; ++slot) {
    const int code = dark ? room.getContentsWhileDark(slot) : room.getContents(slot);
    if (code != 0) visit(code);
  }
}

}  // namespace

std::string esyalarilistele(int RoomCode) {
  std::string esyayazimiz;
  forVisibleObjects(RoomCode, [&](int code) {
    const std::string gecici = esya[code].getDescription(kiv::Random(0, 4));
    esyayazimiz += " " + gecici;
  });
  rooms& room = oda[RoomCode];
  for (int i = 0; i < room.getNumberOfLeftItems(); ++i) {
    const std::string gecici = esya[room.getLeftItem(i)].getLeftDescription(kiv::Random(0, 2));
    esyayazimiz += " " + gecici;
  }
  return esyayazimiz;
}

std::string esyaisimsirala(int RoomCode) {
  std::string esyayazimiz;
  forVisibleObjects(RoomCode, [&](int code) { esyayazimiz += std::string(" ") + esya[code].getName(); });
  return esyayazimiz;
}
