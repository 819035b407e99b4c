// Reading the programs' command lines.
#include "app/options.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace options {

const ProgramText kGameText = {
    "thalvorine",
    "usage: thalvorine [--silent] [--record FILE]\n"
    "       thalvorine [--silent] --choose-world DIR...\n"
    "       thalvorine --list-worlds DIR...\n"
    "       thalvorine-play [--silent] [--record FILE] [--world NAME]\n"
    "       thalvorine-play --list-worlds\n",
    "Plays Thalvorine, a text adventure, in this terminal: thalvorine-play in your own game folder,\n"
    "its world brought up to date there; thalvorine with the world in the current folder.\n"
    "  --silent        play no tones and ring no bell (THALVORINE_SILENT=1)\n"
    "  --record FILE   write every key you press into FILE, a recording that thalvorine-replay\n"
    "                  plays again as you saw it (THALVORINE_RECORD=FILE)\n"
    "  --world NAME    play the story NAME; without it, thalvorine-play asks which story when\n"
    "                  more than one is installed\n"
    "  --list-worlds   print the installed stories' names and titles (thalvorine: of the\n"
    "                  world folders DIR) and end\n"
    "  --choose-world  ask which of the world folders DIR to play, and end with status 10\n"
    "                  for the first, 11 for the second ..., or 1 when the player leaves\n"
    "  --help          print this and end\n"
    "  --version       print the version and end\n",
};

Asks standardOption(std::string_view argument) {
  if (argument == "--help") return Asks::Help;
  if (argument == "--version") return Asks::Version;
  return Asks::Run;
}

int answer(const Answer& answer, const ProgramText& program) {
  switch (answer.asks) {
    case Asks::Run:
      return -1;
    case Asks::Help:
      std::printf("%.*s%.*s", static_cast<int>(program.usage.size()), program.usage.data(),
                  static_cast<int>(program.about.size()), program.about.data());
      return 0;
    case Asks::Version:
      std::printf("%s (Thalvorine) %s\n", program.name, THALVORINE_VERSION);
      return 0;
    case Asks::Wrong:
      std::fprintf(stderr, "%s: %s\n%.*s", program.name, answer.problem.c_str(), static_cast<int>(program.usage.size()),
                   program.usage.data());
      return 2;
  }
  return 2;
}

Answer readGameOptions(int argc, const char* const* argv, GameOptions& options) {
  bool recordGiven = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (const Asks asks = standardOption(argument); asks != Asks::Run) return {asks, ""};
    if (argument == "--silent") {
      options.silent = true;
    } else if (argument == "--record" || argument.starts_with("--record=")) {
      const bool joined = argument != "--record";
      if (!joined && i + 1 == argc) return {Asks::Wrong, "--record needs the name of a file to record into"};
      options.recordTo = joined ? std::string(argument.substr(std::strlen("--record="))) : argv[++i];
      if (options.recordTo.empty()) return {Asks::Wrong, "--record needs the name of a file to record into"};
      recordGiven = true;
    } else if (argument == "--choose-world" || argument == "--list-worlds") {
      options.mode = argument == "--list-worlds" ? GameOptions::Mode::ListWorlds : GameOptions::Mode::ChooseWorld;
      options.worlds.assign(argv + i + 1, argv + argc);
      if (options.worlds.empty()) return {Asks::Wrong, std::string(argument) + " needs the world folders"};
      break;
    } else if (argument.starts_with("-")) {
      return {Asks::Wrong, "unknown option " + std::string(argument)};
    } else {
      return {Asks::Wrong, "unexpected argument " + std::string(argument)};
    }
  }
  const char* silent = std::getenv("THALVORINE_SILENT");
  if (silent != nullptr && *silent != '\0' && std::strcmp(silent, "0") != 0) options.silent = true;
  const char* record = std::getenv("THALVORINE_RECORD");
  if (!recordGiven && record != nullptr) options.recordTo = record;
  if (options.mode != GameOptions::Mode::Play) options.recordTo.clear();  // a choice or a list is no game to record
  return {};
}

}  // namespace options
