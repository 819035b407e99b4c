// Filling the interface strings and loading the world.
#include "game/language.h"

#include <string>
#include <string_view>

#include "game/game_state.h"
#include "game/narration.h"
#include "game/rules_document.h"

pugi::xml_node firstElementAt(pugi::xml_node parent, const char* path) {
  for (std::string_view rest = path;;) {
    const std::size_t slash = rest.find('/');
    parent = parent.child(std::string(rest.substr(0, slash)).c_str());
    if (!parent || slash == std::string_view::npos) return parent;
    rest.remove_prefix(slash + 1);
  }
}

void initialize() {
  pugi::xml_document lng;
  const pugi::xml_parse_result result_lng = lng.load_file("tr.lng", pugi::parse_default, pugi::encoding_auto);
  if (!result_lng) reportFileProblem("There is some problems with languange file : ", result_lng.description());
  for (const InterfaceString& source : interfaceStrings())
    *source.text = firstElementAt(lng, source.path).child_value();
  for (int r = 1; r < kTableSize && oda[r].initialize("rooms/", r); ++r) {
  }
  for (int o = 1; o < kTableSize && esya[o].initialize("objects/", o); ++o) {
  }
  worldRules = loadRules();
}
