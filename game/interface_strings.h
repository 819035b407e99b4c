// The words and texts of the interface, filled from the language file:
// each declared here and listed with its element's path in interface_strings.cpp.
#pragma once

#include <span>
#include <string>
#include <vector>

inline std::string EpilepsyWarning;
inline std::string ExitTexts[5];
inline std::string PocketDescriptions[10];
inline std::string PocketsAreEmptyTexts[3];
inline std::string PocketsAreFullTexts[5];
inline std::string TypePockets[5];
inline std::string ObjectsInYourPockets;
inline std::string MainMenuButtons_WakeUp;
inline std::string MainMenuButtons_Help;
inline std::string MainMenuButtons_Exit;
inline std::string Order;
inline std::string Introduction;
inline std::string TypeWatch;
inline std::string Watch;
inline std::string DontYouWannaWatchTexts[3];
inline std::string HelpScreen;
inline std::string str_Yes;
inline std::string str_No;
inline std::string Puzzle1OpeningTitle;
inline std::string Puzzle1OpeningText;
inline std::string PutIntoYourPockets;
inline std::string str_PickUp;
inline std::string str_Leave;
inline std::string str_Back;
inline std::string str_Combine;  // only a world whose objects combine needs it
inline std::string TooManyWrongCommands[5];
inline std::string Pockets;
inline std::string YouCompletedTheGame;
inline std::string PressAnyKeyToContinue;

// One interface string and the path of its element in the language file
// ("Pockets/TypePockets/T1").
struct InterfaceString {
  const char* path;
  std::string* text;
  bool forCombining = false;  // needed only by a world whose objects combine
};
// Every interface string, in the order the language file is read.
std::span<const InterfaceString> interfaceStrings();
// Their element paths, in the same order.
const std::vector<std::string>& interfaceStringPaths();
