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

void rooms::title_page() { drawTitleBox(Name, {kiv::linefeed(2), "   ", 75, 27, std::string(80, '\xDB')}); }

void rooms::DeleteObject(ObjectCode object) {
  std::replace(std::begin(Contents), std::end(Contents), indexOf(object), 0);
  std::replace(std::begin(ContentsWhileDark), std::end(ContentsWhileDark), indexOf(object), 0);
}

bool rooms::AddObject(ObjectCode object) {
  int* slot = std::find(std::begin(Contents), std::end(Contents), 0);
  if (slot == std::end(Contents)) return false;
  *slot = indexOf(object);
  return true;
}

void rooms::removeLeftItem(ObjectCode object) {
  auto it = std::find(LeftItems.begin(), LeftItems.end(), object);
  if (it != LeftItems.end()) LeftItems.erase(it);
}
