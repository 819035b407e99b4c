// thalvorine-world: starts a new world, checks a world folder, or converts it for the game.
#include <filesystem>
#include <iostream>
#include <string>

#include "app/options.h"
#include "tools/world_build.h"
#include "tools/world_skeleton.h"

namespace {

const options::ProgramText kText = {
    "thalvorine-world",
    "usage: thalvorine-world new <folder>\n"
    "       thalvorine-world check <folder>\n"
    "       thalvorine-world build <source-folder> <output-folder>\n",
    "Checks a world written in UTF-8 and prints each problem as file:line: what is wrong;\n"
    "build also writes the world in the game's code page into the output folder.\n"
    "new writes a small world that plays, each line saying what it holds, to start from.\n",
};

options::Answer readArguments(int argc, char** argv) {
  if (argc == 2 && options::standardOption(argv[1]) != options::Asks::Run)
    return {options::standardOption(argv[1]), ""};
  const std::string command = argc > 1 ? argv[1] : "";
  if (command != "new" && command != "check" && command != "build")
    return {options::Asks::Wrong, command.empty() ? "new, check or build?" : "unknown command " + command};
  if (argc != (command == "build" ? 4 : 3))
    return {options::Asks::Wrong, command + (command == "build" ? " takes two folders" : " takes one folder")};
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  if (const int answered = options::answer(readArguments(argc, argv), kText); answered >= 0) return answered;
  const std::string command = argv[1];
  if (command == "new") return worldtool::writeSkeleton(argv[2], std::cerr) ? 0 : 1;
  if (!std::filesystem::is_directory(argv[2])) {
    std::cerr << "thalvorine-world: " << argv[2] << ": no such folder\n";
    return 2;
  }
  const bool clean = command == "check" ? worldtool::checkAndReport(argv[2], std::cerr)
                                        : worldtool::buildWorld(argv[2], argv[3], std::cerr);
  return clean ? 0 : 1;
}
