// Loading and drawing objects.
#include "game/objects.h"

#include <fstream>

#include "game/record_reader.h"
#include "game/title_box.h"

objects::objects() = default;
objects::~objects() = default;

bool objects::initialize(std::string folder, int number) {
  const std::string dosyaadi = folder + std::to_string(number) + ".object";
  std::ifstream Inny;
  if (!openDocument(dosyaadi, Inny)) return false;
  DocumentReader reader(Inny);
  visitDocument(reader);
  return true;
}

void objects::title_page() {
  drawTitleBox(Name, {"", "", 200, 11, std::string(11, ' ') + std::string(25, '\xDB')});
}
