// The pockets: picking up, the list of what is carried, the pockets screen
// and its menu.
#include <algorithm>
#include <string>

#include "game/game_state.h"
#include "game/narration.h"
#include "game/pictures.h"
#include "game/screens.h"
#include "game/variants.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/core/text_rendition.h"

namespace {
constexpr int kCapacity = 11;
constexpr int kMenuButtons = 5;
}  // namespace

bool PickUp(ObjectCode object, RoomCode room) {
  if (inventory.getNumberOfItems() >= kCapacity) return false;
  inventory.addItem(object);
  oda[room].DeleteObject(object);
  oda[room].removeLeftItem(object);
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

Next ShowPocket(RoomCode room) {
  newScreen();
  if (inventory.getNumberOfItems() == 0) {
    narrate(kiv::linefeed(1) + "  " + pickVariant(PocketsAreEmptyTexts));
    return goTo<ShowRoom>(room, false);
  }
  oda[room].title_page();
  narrate(kiv::linefeed(1) + "  " + pickVariant(PocketDescriptions));
  std::string picture = kiv::linefeed(2);
  for (std::size_t row = 0; row < kPocketPicture.size(); ++row) {
    if (row > 0) picture += '\n';
    picture += kPocketPicture[row];
  }
  {
    const kiv::Unsaid drawn;
    show(picture + kiv::linefeed(3));
  }
  return goTo<inventorymenu>(room);
}

Next inventorymenu(RoomCode room) {
  ObjectCode objeler[kCapacity] = {};
  inventory_menu.initialize(true, kSelectedButton, kUnselectedButton);
  int xposiyon = 12;
  const int count = std::min(inventory.getNumberOfItems(), kCapacity);
  for (int x = 0; x < count; ++x) {
    inventory_menu.add_button(esya[inventory.getItem(x)].getName(), 30, xposiyon);
    objeler[x] = inventory.getItem(x);
    xposiyon += 2;
  }
  const int input = inventory_menu.draw();
  if (input >= 1 && input <= std::min(count, kMenuButtons))
    return goTo<ShowObject>(room, objeler[input - 1], false, true);
  return goTo<ShowRoom>(room, true);
}
