// Definitions of the game's globals.
#include "game/game_state.h"

#include "game/gamedat.h"

class inventory inventory;
background bg;
CodeTable<rooms, RoomCode> oda;
CodeTable<objects, ObjectCode> esya;
menu main_menu;
menu usetakequit_menu;
menu yesorno_menu;
menu inventory_menu;
menu takeleavequit_menu;
ObjectCode elindekiesya = kNoObject;
std::string stringimiz;
int RunningTime = 0;
RoomCode gunceloda = kNoRoom;
int yapilanhatasayisi = 0;
std::string version;
pugi::xml_document game;
WorldRules worldRules = originalRules();

void resetGameState() {
  inventory = {};
  bg = {};
  for (auto& room : oda) room = rooms();
  for (auto& object : esya) object = objects();
  for (menu* m : {&main_menu, &usetakequit_menu, &yesorno_menu, &inventory_menu, &takeleavequit_menu}) *m = menu();
  elindekiesya = kNoObject;
  stringimiz.clear();
  RunningTime = 0;
  gunceloda = kNoRoom;
  yapilanhatasayisi = 0;
  version.clear();
  game.reset();
  worldRules = originalRules();
  forgetProgressFile();
  for (const InterfaceString& source : interfaceStrings()) source.text->clear();
}
