// The words and texts of the interface, and where the language file keeps each.
#include "game/interface_strings.h"

namespace {

// The interface strings in the order they are read.
const InterfaceString kStrings[] = {
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
    {"Buttons/Combine", &str_Combine, true},
    {"TooManyWrongCommands/T1", &TooManyWrongCommands[0]},
    {"TooManyWrongCommands/T2", &TooManyWrongCommands[1]},
    {"TooManyWrongCommands/T3_1", &TooManyWrongCommands[2]},
    {"TooManyWrongCommands/T3_2", &TooManyWrongCommands[3]},
    {"TooManyWrongCommands/T4", &TooManyWrongCommands[4]},
    {"Other/Pockets", &Pockets},
    {"Other/YouCompletedTheGame", &YouCompletedTheGame},
    {"Other/PressAnyKeyToContinue", &PressAnyKeyToContinue},
};

}  // namespace

std::span<const InterfaceString> interfaceStrings() { return kStrings; }

const std::vector<std::string>& interfaceStringPaths() {
  static const std::vector<std::string> paths = [] {
    std::vector<std::string> all;
    for (const InterfaceString& source : kStrings) all.emplace_back(source.path);
    return all;
  }();
  return paths;
}
