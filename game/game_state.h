// The game's global state, shared by every screen.
#pragma once

#include <pugixml.hpp>
#include <string>

#include "game/interface_strings.h"
#include "game/inventory.h"
#include "game/menu.h"
#include "game/objects.h"
#include "game/rooms.h"
#include "kiv/background.h"

constexpr int kTableSize = 100;  // room and object codes 0 to 99; 0 means none
constexpr int kMainMenuDue = 100;  // `gunceloda` before the first room

extern class inventory inventory;  // the pockets
extern background bg;
extern rooms oda[kTableSize];
extern objects esya[kTableSize];
extern menu main_menu;
extern menu usetakequit_menu;
extern menu yesorno_menu;
extern menu inventory_menu;
extern menu takeleavequit_menu;
extern int elindekiesya;       // object held in hands, 0 for none
extern std::string stringimiz;  // the word last typed
extern int RunningTime;        // run counter as read at start-up
extern int gunceloda;          // current room, or kMainMenuDue
extern int yapilanhatasayisi;  // wrong commands in a row
extern std::string version;    // "v" + the version text of the progress file
extern pugi::xml_document game;  // the parsed progress file

// Everything above back to its state at program start (for tests, which
// play many games in one process).
void resetGameState();
