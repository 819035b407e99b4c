// Turning a checked UTF-8 world into the folder the game runs in.
#pragma once

#include <filesystem>
#include <ostream>

namespace worldtool {

// Checks the world in `source` and prints every problem to `err` as
// "file:line: what", with `source` as given before each file. Only a clean
// world is written: tr.lng, game.dat, rooms/, objects/ and its rules document
// in `output` (made if need be), in code page 857 with LF line ends; room and
// object documents and a rules document already in `output` that the world
// does not have are removed, so the game cannot load them. False if the world had problems (nothing written then)
// or a file could not be written (said on `err`).
bool buildWorld(const std::filesystem::path& source, const std::filesystem::path& output, std::ostream& err);

// Prints the problems of the world in `folder` to `err`; true if there were none.
bool checkAndReport(const std::filesystem::path& folder, std::ostream& err);

}  // namespace worldtool
