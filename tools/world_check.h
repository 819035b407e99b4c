// Checking a whole world folder: its language and progress files, every
// room and object document, and how they refer to one another.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "tools/problem.h"
#include "tools/record_check.h"
#include "tools/source_text.h"

namespace worldtool {

using Records = std::map<int, Record>;  // by code: the documents the game loads

struct World {
  std::vector<SourceFile> files;  // every file the game reads, as read
  Records rooms;
  Records objects;
};

// Checks the UTF-8 world in `folder` and gives every problem found, in the
// order of the files (tr.lng, game.dat, title, rooms, objects), then those between
// files. `world`, if given, receives what was read.
Problems checkWorld(const std::filesystem::path& folder, World* world = nullptr);

// Faults between documents: a room or object code that names no loaded document.
void checkCodeReferences(const Records& rooms, const Records& objects, Problems& problems);

// The rooms the game's rules of using objects lead the player through: each
// rule's room and the room it leads to.
std::set<int> ruleRooms();

// Faults against the game's fixed rules of using objects: rooms 1 to 3
// present, and each rule's object in its room's lit contents and switchable.
void checkRules(const Records& rooms, const Records& objects, Problems& problems);

}  // namespace worldtool
