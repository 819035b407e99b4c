// Loading and drawing rooms.
#include "game/rooms.h"

#include <algorithm>
#include <cstring>

#include "game/record_reader.h"
#include "game/title_box.h"
#include "kiv/core/kiv_engine.h"

rooms::rooms() = default;
rooms::~rooms() = default;

bool rooms::initialize(std::string folder, int number) {
  return readDocument(folder + std::to_string(number) + ".room", *this);
}

void rooms::title_page() {
  drawTitleBox(Name, {kiv::linefeed(2), "   ", 75, 27, std::string(80, '\xDB')});
}

void rooms::DeleteObject(int ObjectCode) {
  std::replace(std::begin(Contents), std::end(Contents), ObjectCode, 0);
  std::replace(std::begin(ContentsWhileDark), std::end(ContentsWhileDark), ObjectCode, 0);
}

bool rooms::AddObject(int ObjectCode) {
  int* slot = std::find(std::begin(Contents), std::end(Contents), 0);
  if (slot == std::end(Contents)) return false;
  *slot = ObjectCode;
  return true;
}

void rooms::removeLeftItem(int ObjectNumber) {
  auto it = std::find(LeftItems.begin(), LeftItems.end(), ObjectNumber);
  if (it != LeftItems.end()) LeftItems.erase(it);
}
