// Every screen of the game. A screen draws itself and returns the screen
// that follows (see screen_driver.h).
#pragma once

#include <string>

#include "game/codes.h"
#include "game/screen_driver.h"

// The game's title, as the window and the title screens show it.
inline constexpr const char* kGameTitle = "Thalvorine";

// A beep, the next colour of the palette, and a cleared screen.
void newScreen();

// The screens around the game.
Next menuler(TitleScreen screen, bool BGReset);

// The opening sequence of a new game, ending in room 1.
Next puzzle1();

// Makes `room` the current room, types its paragraph and hands over to the
// command prompt. With `BGReset` on a new colour and a cleared screen.
Next ShowRoom(RoomCode room, bool BGReset);
// The sentences about the objects lying in the room and left there, each
// after one blank.
std::string esyalarilistele(RoomCode room);
// The names of the objects the room screen shows (left items not included),
// each after one blank.
std::string esyaisimsirala(RoomCode room);

// Reads one word under the room and hands over to the pockets, an object,
// or the room again with hints.
Next komutisteme(RoomCode room);
// The prompt going on with the same word when a screen it opened goes back
// to it: `step` is where its search for the word goes on.
Next resumePrompt(RoomCode room, PromptStep step);

// The object screen: the room's and the object's title boxes and an examine
// text, then the action menu (`kullanalcik`) or the holding menu.
Next ShowObject(RoomCode room, ObjectCode object, bool kullanalcik, bool BGReset);
// Use, pick up, back.
Next kullanalcikismenusu(ObjectCode object, RoomCode room);
// Using an object: the world's rule for it in the room, or the object in
// hands acting on it. With neither, back to the prompt that opened it.
Next kullan(ObjectCode object, RoomCode room);
// Take into hands (or put back), leave here, back; and combine with the
// object in hands, in a world whose objects combine.
Next ElinealBirakCik(ObjectCode object, RoomCode room);

// The pockets screen and its menu of pocket objects.
Next ShowPocket(RoomCode room);
Next inventorymenu(RoomCode room);
// Moves the object from the room (its contents and its left items) into the
// pockets; false, changing nothing, when they already hold 11 objects.
bool PickUp(ObjectCode object, RoomCode room);
// The names of the pocket objects joined by ", ".
std::string inventory_list();
