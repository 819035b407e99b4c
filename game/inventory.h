// The pockets: the codes of the objects the player carries, in the order
// they went in.
#pragma once

#include <vector>

#include "game/codes.h"

class inventory {
 public:
  inventory();
  ~inventory();

  int getNumberOfItems() { return static_cast<int>(inventories.size()); }
  ObjectCode getItem(int index) { return inventories[index]; }
  void addItem(ObjectCode object) { inventories.push_back(object); }
  // Removes one entry equal to `object`, keeping the order of the rest;
  // nothing if there is none.
  void removeItem(ObjectCode object);

 private:
  std::vector<ObjectCode> inventories;
};
