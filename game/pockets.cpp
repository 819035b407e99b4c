// The pockets: picking up, the list of what is carried, the pockets screen
// and its menu.
#include <algorithm>
#include <string>

#include "game/game_state.h"
#include "game/pictures.h"
#include "game/screens.h"
#include "kiv/kiv_engine.h"

namespace {
constexpr int kCapacity = 11;
constexpr int kMenuButtons = 5;
const std::string kLead = "   ";
}  // namespace

bool PickUp(int ObjectCode, int RoomCode) {
  if (inventory.getNumberOfItems() >= kCapacity) return false;
  inventory.addItem(ObjectCode);
  oda[RoomCode].DeleteObject(ObjectCode);
  oda[RoomCode].removeLeftItem(ObjectCode);
  return true;
}

std::string inventory_list() {
  std::string list;
  for (int i = 0; i < inventory.getNumberOfItems(); ++i) {
    if (i > 0) list += ", ";
    list += esya[inventory.getItem(i)].getName();
  }
  return list;
}

Next ShowPocket(int RoomCode) {
  newScreen();
  if (inventory.getNumberOfItems() == 0) {
    kiv::yaz(kiv::linefeed(1) + "  " + PocketsAreEmptyTexts[kiv::Random(0, 2)], true, 10, 2000, kLead, 75);
    return goTo<ShowRoom>(RoomCode, false);
  }
  oda[RoomCode].title_page();
  kiv::yaz(kiv::linefeed(1) + "  " + PocketDescriptions[kiv::Random(0, 9)], true, 10, 2000, kLead, 75);
  std::string picture = kiv::linefeed(2);
  for (std::size_t row = 0; row < kPocketPicture.size(); ++row) {
    if (row > 0) picture += '\n';
    picture += kPocketPicture[row];
  }
  kiv::yaz(picture + kiv::linefeed(3), false, 0, 0, kLead, 75);
  return goTo<inventorymenu>(RoomCode);
}

Next inventorymenu(int RoomCode) {
  int objeler[kCapacity] = {};
  inventory_menu.initialize(true, 2, 14);
  int xposiyon = 12;
  const int count = std::min(inventory.getNumberOfItems(), kCapacity);
  for (int x = 0; x < count; ++x) {
    inventory_menu.add_button(esya[inventory.getItem(x)].getName(), 30, xposiyon);
    objeler[x] = inventory.getItem(x);
    xposiyon += 2;
  }
  const int input = inventory_menu.draw();
  if (input >= 1 && input <= std::min(count, kMenuButtons))
    return goTo<ShowObject>(RoomCode, objeler[input - 1], false, true);
  return goTo<ShowRoom>(RoomCode, true);
}
