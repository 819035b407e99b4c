// The pockets: the codes of the objects the player carries, in the order
// they went in.
#pragma once

#include <vector>

class inventory {
 public:
  inventory();
  ~inventory();

  int getNumberOfItems() { return static_cast<int>(inventories.size()); }
  int getItem(int index) { return inventories[index]; }
  void addItem(int ObjectNumber) { inventories.push_back(ObjectNumber); }
  // Removes one entry equal to `ObjectNumber`, keeping the order of the
  // rest; nothing if there is none.
  void removeItem(int ObjectNumber);

 private:
  std::vector<int> inventories;
};
