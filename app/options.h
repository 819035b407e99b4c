// The programs' command lines: the game's options, and --help and --version,
// which every program answers on standard output with status 0.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace options {

// What a command line asks for beyond its own options.
enum class Asks { Run, Help, Version, Wrong };

struct Answer {
  Asks asks = Asks::Run;
  std::string problem;  // for Wrong: what is wrong, in a few words
};

// The text a program prints for --help: its usage line(s), then what it does.
struct ProgramText {
  const char* name;
  std::string_view usage;  // "usage: NAME ...", one line or more
  std::string_view about;  // the rest of the help
};

// Answers --help (the usage and the rest, on standard output: 0), --version
// (one line on standard output: 0) and a wrong command line (what is wrong
// and the usage, on standard error: 2); -1 for a command line that runs.
int answer(const Answer& answer, const ProgramText& program);

// Recognises `--help` and `--version` as the whole of `argument`.
Asks standardOption(std::string_view argument);

// The game's own options.
struct GameOptions {
  enum class Mode { Play, ChooseWorld, ListWorlds } mode = Mode::Play;
  bool silent = false;
  std::string recordTo;             // empty: no recording
  std::vector<std::string> worlds;  // the world folders to choose from, or to list
};

// Reads `--silent`, `--record FILE` (or `--record=FILE`), `--help` and
// `--version`, and `--choose-world` or `--list-worlds`, each followed by
// the world folders, one or more; THALVORINE_SILENT (anything but "" or "0")
// and THALVORINE_RECORD stand in for the options not given. Anything else is Wrong.
Answer readGameOptions(int argc, const char* const* argv, GameOptions& options);

extern const ProgramText kGameText;

}  // namespace options
