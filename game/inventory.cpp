// Taking objects out of the pockets.
#include "game/inventory.h"

#include <algorithm>

inventory::inventory() = default;
inventory::~inventory() = default;

void inventory::removeItem(ObjectCode object) {
  auto it = std::find(inventories.begin(), inventories.end(), object);
  if (it != inventories.end()) inventories.erase(it);
}
