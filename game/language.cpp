// Filling the interface strings and loading the world.
#include "game/language.h"

#include <pugixml.hpp>
#include <string>

#include "game/game_state.h"
#include "kiv/kiv_engine.h"

namespace {

struct StringSource {
  const char* path;  // element names from the top level, separated by '/'
  std::string* target;
};

// The interface strings in the order they are read.
const StringSource kStrings[] = {
    {"EpilepsyWarning", &EpilepsyWarning},
    {"ExitTexts/T1", &ExitTexts[0]},
    {"ExitTexts/T2", &ExitTexts[1]},
    {"ExitTexts/T3", &ExitTexts[2]},
    {"ExitTexts/T4", &ExitTexts[3]},
    {"ExitTexts/T5", &ExitTexts[4]},
    {"Pockets/PocketDescriptions/T1", &PocketDescriptions[0]},
    {"Pockets/PocketDescriptions/T2", &PocketDescriptions[1]},
    {"Pockets/PocketDescriptions/T3", &PocketDescriptions[2]},
    {"Pockets/PocketDescriptions/T4", &PocketDescriptions[3]},
    {"Pockets/PocketDescriptions/T5", &PocketDescriptions[4]},
    {"Pockets/PocketDescriptions/T6", &PocketDescriptions[5]},
    {"Pockets/PocketDescriptions/T7", &PocketDescriptions[6]},
    {"Pockets/PocketDescriptions/T8", &PocketDescriptions[7]},
    {"Pockets/PocketDescriptions/T9", &PocketDescriptions[8]},
    {"Pockets/PocketDescriptions/T10", &PocketDescriptions[9]},
    {"Pockets/PocketsAreEmptyTexts/T1", &PocketsAreEmptyTexts[0]},
    {"Pockets/PocketsAreEmptyTexts/T2", &PocketsAreEmptyTexts[1]},
    {"Pockets/PocketsAreEmptyTexts/T3", &PocketsAreEmptyTexts[2]},
    {"Pockets/PocketsAreFull/T1", &PocketsAreFullTexts[0]},
    {"Pockets/PocketsAreFull/T2", &PocketsAreFullTexts[1]},
    {"Pockets/PocketsAreFull/T3", &PocketsAreFullTexts[2]},
    {"Pockets/PocketsAreFull/T4", &PocketsAreFullTexts[3]},
    {"Pockets/PocketsAreFull/T5", &PocketsAreFullTexts[4]},
    {"Pockets/TypePockets/T1", &TypePockets[0]},
    {"Pockets/TypePockets/T2", &TypePockets[1]},
    {"Pockets/TypePockets/T3", &TypePockets[2]},
    {"Pockets/TypePockets/T4", &TypePockets[3]},
    {"Pockets/TypePockets/T5", &TypePockets[4]},
    {"Pockets/ObjectsInYourPockets", &ObjectsInYourPockets},
    {"Buttons/WakeUp", &MainMenuButtons_WakeUp},
    {"Buttons/Help", &MainMenuButtons_Help},
    {"Buttons/Exit", &MainMenuButtons_Exit},
    {"Other/Order", &Order},
    {"Introduction/Warning", &Introduction},
    {"Introduction/TypeWatch", &TypeWatch},
    {"Introduction/Watch", &Watch},
    {"Introduction/DontYouWannaWatchTexts/T1", &DontYouWannaWatchTexts[0]},
    {"Introduction/DontYouWannaWatchTexts/T2", &DontYouWannaWatchTexts[1]},
    {"Introduction/DontYouWannaWatchTexts/T3", &DontYouWannaWatchTexts[2]},
    {"HelpScreen", &HelpScreen},
    {"Buttons/Yes", &str_Yes},
    {"Buttons/No", &str_No},
    {"Puzzle1Opening/Title", &Puzzle1OpeningTitle},
    {"Puzzle1Opening/Text", &Puzzle1OpeningText},
    {"Buttons/PutIntoYourPockets", &PutIntoYourPockets},
    {"Buttons/PickUp", &str_PickUp},
    {"Buttons/Leave", &str_Leave},
    {"Buttons/Back", &str_Back},
    {"TooManyWrongCommands/T1", &TooManyWrongCommands[0]},
    {"TooManyWrongCommands/T2", &TooManyWrongCommands[1]},
    {"TooManyWrongCommands/T3_1", &TooManyWrongCommands[2]},
    {"TooManyWrongCommands/T3_2", &TooManyWrongCommands[3]},
    {"TooManyWrongCommands/T4", &TooManyWrongCommands[4]},
    {"Other/Pockets", &Pockets},
    {"Other/YouCompletedTheGame", &YouCompletedTheGame},
    {"Other/PressAnyKeyToContinue", &PressAnyKeyToContinue},
};
static_assert(std::size(kStrings) == 57);

// The text of the element at `path`, or "" when any step is missing.
std::string textAt(const pugi::xml_node& document, const std::string& path) {
  pugi::xml_node node = document;
  std::size_t start = 0;
  while (node && start <= path.size()) {
    const std::size_t slash = path.find('/', start);
    const std::size_t end = slash == std::string::npos ? path.size() : slash;
    node = node.child(path.substr(start, end - start).c_str());
    start = end + 1;
  }
  return node.child_value();
}

void report(const std::string& text) { kiv::yaz(text, false, 0, 0, "   ", 75); }

}  // namespace

const std::vector<std::string>& interfaceStringPaths() {
  static const std::vector<std::string> paths = [] {
    std::vector<std::string> all;
    for (const StringSource& source : kStrings) all.emplace_back(source.path);
    return all;
  }();
  return paths;
}

void initialize() {
  pugi::xml_document lng;
  const pugi::xml_parse_result result_lng = lng.load_file("tr.lng", pugi::parse_default, pugi::encoding_auto);
  if (!result_lng) {
    report("There is some problems with languange file : ");
    report(result_lng.description());
    report("I highly recommend you to download the game again.");
  }
  for (const StringSource& source : kStrings) *source.target = textAt(lng, source.path);

  for (int r = 1; r < kTableSize && oda[r].initialize("rooms/", r); ++r) {
  }
  for (int o = 1; o < kTableSize && esya[o].initialize("objects/", o); ++o) {
  }
}
