// The 57 words and texts of the interface, filled from the language file.
#pragma once

#include <string>

extern std::string EpilepsyWarning;
extern std::string ExitTexts[5];
extern std::string PocketDescriptions[10];
extern std::string PocketsAreEmptyTexts[3];
extern std::string PocketsAreFullTexts[5];
extern std::string TypePockets[5];
extern std::string ObjectsInYourPockets;
extern std::string MainMenuButtons_WakeUp;
extern std::string MainMenuButtons_Help;
extern std::string MainMenuButtons_Exit;
extern std::string Order;
extern std::string Introduction;
extern std::string TypeWatch;
extern std::string Watch;
extern std::string DontYouWannaWatchTexts[3];
extern std::string HelpScreen;
extern std::string str_Yes;
extern std::string str_No;
extern std::string Puzzle1OpeningTitle;
extern std::string Puzzle1OpeningText;
extern std::string PutIntoYourPockets;
extern std::string str_PickUp;
extern std::string str_Leave;
extern std::string str_Back;
extern std::string TooManyWrongCommands[5];
extern std::string Pockets;
extern std::string YouCompletedTheGame;
extern std::string PressAnyKeyToContinue;
