// Loading and drawing objects.
#include "game/objects.h"

#include "game/record_reader.h"
#include "game/title_box.h"

objects::objects() = default;
objects::~objects() = default;

bool objects::initialize(std::string folder, int number) {
  return readDocument(folder + std::to_string(number) + ".object", *this);
}

void objects::title_page() { drawTitleBox(Name, {"", "", 200, 11, std::string(11, ' ') + std::string(25, '\xDB')}); }
