// Taking objects out of the pockets.
#include "game/inventory.h"

#include <algorithm>

inventory::inventory() = default;
inventory::~inventory() = default;

void inventory::removeItem(int ObjectNumber) {
  auto it = std::find(inventories.begin(), inventories.end(), ObjectNumber);
  if (it != inventories.end()) inventories.erase(it);
}
