// The game's global state, shared by every screen.
#pragma once

#include <pugixml.hpp>
#include <string>

#include "game/background.h"
#include "game/codes.h"
#include "game/interface_strings.h"
#include "game/inventory.h"
#include "game/menu.h"
#include "game/objects.h"
#include "game/rooms.h"
#include "game/use_rules.h"

constexpr RoomCode kMainMenuDue{100};  // `gunceloda` before the first room

extern class inventory inventory;  // the pockets
extern background bg;
extern CodeTable<rooms, RoomCode> oda;
extern CodeTable<objects, ObjectCode> esya;
extern menu main_menu;
extern menu usetakequit_menu;
extern menu yesorno_menu;
extern menu inventory_menu;
extern menu takeleavequit_menu;
extern ObjectCode elindekiesya;  // object held in hands, kNoObject for none
extern std::string stringimiz;   // the word last typed
extern int RunningTime;          // run counter as read at start-up
extern RoomCode gunceloda;       // current room, or kMainMenuDue
extern int yapilanhatasayisi;    // wrong commands in a row
extern std::string version;      // "v" + the version text of the progress file
extern pugi::xml_document game;  // the parsed progress file
extern WorldRules worldRules;    // what using the world's objects does

// Everything above back to its state at program start (for tests, which
// play many games in one process).
void resetGameState();
