// thalvorine-world: starts a new world, checks a world folder, or converts it for the game.
#include <filesystem>
#include <iostream>
#include <string>

#include "tools/world_build.h"
#include "tools/world_skeleton.h"

namespace {

int usage() {
  std::cerr << "usage: thalvorine-world new <folder>\n"
               "       thalvorine-world check <folder>\n"
               "       thalvorine-world build <source-folder> <output-folder>\n"
               "Checks a world written in UTF-8 and prints each problem as file:line: what is wrong;\n"
               "build also writes the world in the game's code page into the output folder.\n"
               "new writes a small world that plays, each line saying what it holds, to start from.\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (!((command == "check" && argc == 3) || (command == "build" && argc == 4) || (command == "new" && argc == 3)))
    return usage();
  if (command == "new") return worldtool::writeSkeleton(argv[2], std::cerr) ? 0 : 1;
  if (!std::filesystem::is_directory(argv[2])) {
    std::cerr << "thalvorine-world: " << argv[2] << ": no such folder\n";
    return 2;
  }
  const bool clean = command == "check" ? worldtool::checkAndReport(argv[2], std::cerr)
                                        : worldtool::buildWorld(argv[2], argv[3], std::cerr);
  return clean ? 0 : 1;
}
