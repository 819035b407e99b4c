// A new world to start from, and the documents of any world written from
// their fields' values: every line laid out as the game reads it.
#pragma once

#include <filesystem>
#include <map>
#include <ostream>
#include <string>

namespace worldtool {

// Values by field: a document's text lines ("Name", "Description 2") and
// numbers ("IsThatDark", "Contents 3"), or an XML file's elements by path
// ("Buttons/Yes"; "?xml" for the declaration's attributes). Written as given,
// markup and line ends included.
using Fields = std::map<std::string, std::string>;

// Every field of `file` ("tr.lng", "game.dat", "rooms/2.room",
// "objects/5.object") as a new document holds it: each text line the name
// of its field, each number 0, each language string its path (but the two
// words the player types, IZLE and CEPLER); a room is named ROOM<code>, an
// object OBJECT<code>.
Fields placeholders(const std::string& file);
// The text of `file` holding `values` (a field not given is left empty),
// each line ended with `lineEnd`.
std::string documentText(const std::string& file, const Fields& values, const std::string& lineEnd = "\n");
// The line, counted from 1, that holds `field` in `file`, or opens the
// element at that path; 0 if none does.
int lineOf(const std::string& file, const std::string& field);

// The documents of the smallest world the game's rules play through: rooms
// 1 to 3 and objects 1 to 9, each rule's object usable in its room, the
// others lying in room 1; every value a placeholder but the contents.
std::map<std::string, Fields> skeletonWorld();
// The rules document of the skeleton world: the original rules, one a line,
// under comments that say how a rule is written.
std::string skeletonRules();
// Writes skeletonWorld() and skeletonRules() into `folder`, which must not exist or be empty;
// false, with a line on `errors`, if it cannot.
bool writeSkeleton(const std::filesystem::path& folder, std::ostream& errors);

}  // namespace worldtool
