// Definitions of the game's globals.
#include "game/game_state.h"

class inventory inventory;
background bg;
rooms oda[kTableSize];
objects esya[kTableSize];
menu main_menu;
menu usetakequit_menu;
menu yesorno_menu;
menu inventory_menu;
menu takeleavequit_menu;
int elindekiesya = 0;
std::string stringimiz;
int RunningTime = 0;
int gunceloda = 0;
int yapilanhatasayisi = 0;
std::string version;
pugi::xml_document game;

std::string EpilepsyWarning;
std::string ExitTexts[5];
std::string PocketDescriptions[10];
std::string PocketsAreEmptyTexts[3];
std::string PocketsAreFullTexts[5];
std::string TypePockets[5];
std::string ObjectsInYourPockets;
std::string MainMenuButtons_WakeUp;
std::string MainMenuButtons_Help;
std::string MainMenuButtons_Exit;
std::string Order;
std::string Introduction;
std::string TypeWatch;
std::string Watch;
std::string DontYouWannaWatchTexts[3];
std::string HelpScreen;
std::string str_Yes;
std::string str_No;
std::string Puzzle1OpeningTitle;
std::string Puzzle1OpeningText;
std::string PutIntoYourPockets;
std::string str_PickUp;
std::string str_Leave;
std::string str_Back;
std::string TooManyWrongCommands[5];
std::string Pockets;
std::string YouCompletedTheGame;
std::string PressAnyKeyToContinue;

void resetGameState() {
  inventory = {};
  bg = {};
  for (auto& room : oda) room = rooms();
  for (auto& object : esya) object = objects();
  for (menu* m : {&main_menu, &usetakequit_menu, &yesorno_menu, &inventory_menu, &takeleavequit_menu})
    *m = menu();
  elindekiesya = 0;
  stringimiz.clear();
  RunningTime = 0;
  gunceloda = 0;
  yapilanhatasayisi = 0;
  version.clear();
  game.reset();
  for (std::string* s : {&EpilepsyWarning, &ObjectsInYourPockets, &MainMenuButtons_WakeUp,
                         &MainMenuButtons_Help, &MainMenuButtons_Exit, &Order, &Introduction,
                         &TypeWatch, &Watch, &HelpScreen, &str_Yes, &str_No, &Puzzle1OpeningTitle,
                         &Puzzle1OpeningText, &PutIntoYourPockets, &str_PickUp, &str_Leave, &str_Back,
                         &Pockets, &YouCompletedTheGame, &PressAnyKeyToContinue})
    s->clear();
  for (auto* group : {ExitTexts, PocketsAreFullTexts, TypePockets, TooManyWrongCommands})
    for (int i = 0; i < 5; ++i) group[i].clear();
  for (auto& s : PocketDescriptions) s.clear();
  for (auto& s : PocketsAreEmptyTexts) s.clear();
  for (auto& s : DontYouWannaWatchTexts) s.clear();
}
