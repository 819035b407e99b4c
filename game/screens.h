// Every screen of the game. A screen draws itself and returns the screen
// that follows (see screen_driver.h).
#pragma once

#include <string>

#include "game/screen_driver.h"

// The game's title, as the window and the title screens show it.
inline constexpr const char* kGameTitle = "Thalvorine";

// A beep, the next colour of the palette, and a cleared screen.
void newScreen();

// The screens around the game: 0 start screen, 1 main menu, 2 help,
// 3 exit question; any other value names no screen.
Next menuler(int menu, bool BGReset);

// The opening sequence of a new game, ending in room 1.
Next puzzle1();

// Makes `RoomCode` the current room, types its paragraph and hands over to
// the command prompt. With `BGReset` on a new colour and a cleared screen.
Next ShowRoom(int RoomCode, bool BGReset);
// The sentences about the objects lying in the room and left there, each
// after one blank.
std::string esyalarilistele(int RoomCode);
// The names of the objects the room screen shows (left items not included),
// each after one blank.
std::string esyaisimsirala(int RoomCode);

// Reads one word under the room and hands over to the pockets, an object,
// or the room again with hints.
Next komutisteme(int RoomCode);
// The prompt going on with the same word after a screen named no next one:
// `step` is where its search for the word stood.
Next resumePrompt(int RoomCode, int step);

// The object screen: the room's and the object's title boxes and an examine
// text, then the action menu (`kullanalcik`) or the holding menu.
Next ShowObject(int RoomCode, int ObjectCode, bool kullanalcik, bool BGReset);
// Use, pick up, back.
Next kullanalcikismenusu(int ObjectCode, int RoomCode);
// Using an object: the game's fixed rules. Names no next screen for a pair
// of object and room without a rule.
Next kullan(int ObjectCode, int RoomCode);
// Take into hands (or put back), leave here, back.
Next ElinealBirakCik(int ObjectCode, int RoomCode);

// The pockets screen and its menu of pocket objects.
Next ShowPocket(int RoomCode);
Next inventorymenu(int RoomCode);
// Moves the object from the room (its contents and its left items) into the
// pockets; false, changing nothing, when they already hold 11 objects.
bool PickUp(int ObjectCode, int RoomCode);
// The names of the pocket objects joined by ", ".
std::string inventory_list();
