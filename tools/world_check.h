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

// The rooms the original rules of using objects lead the player through:
// each rule's room and the room it leads to.
std::set<int> ruleRooms();

// Faults against the world's rules of using objects, those of `rulesFile`
// (its rules document) or, without one, the original table: each line well
// formed, one rule a pair, each rule's object and rooms loaded, the object
// usable and lying in its room (or carried there), a passer where one is
// needed. On a world without other faults also every room reached from
// room 1 and the game completable.
void checkRules(const SourceFile* rulesFile, const Records& rooms, const Records& objects, Problems& problems);

// True when some object names an object it combines with.
bool worldCombines(const Records& objects);
// Faults between objects that combine (each naming the other, both giving
// the same new object) or act on another (which must be usable).
void checkObjectTies(const Records& objects, Problems& problems);

}  // namespace worldtool
