// Filling the interface strings and loading the world.
#include "game/language.h"

#include <pugixml.hpp>
#include <string>

#include "game/game_state.h"
#include "game/narration.h"

void initialize() {
  pugi::xml_document lng;
  const pugi::xml_parse_result result_lng = lng.load_file("tr.lng", pugi::parse_default, pugi::encoding_auto);
  if (!result_lng) reportFileProblem("There is some problems with languange file : ", result_lng.description());
  for (const InterfaceString& source : interfaceStrings())
    *source.text = lng.first_element_by_path(source.path).child_value();
  for (int r = 1; r < kTableSize && oda[r].initialize("rooms/", r); ++r) {
  }
  for (int o = 1; o < kTableSize && esya[o].initialize("objects/", o); ++o) {
  }
}
