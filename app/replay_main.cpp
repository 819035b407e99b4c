// thalvorine-replay: plays a recording of the game headless and checks it.
#include <iostream>
#include <string_view>

#include "app/options.h"
#include "replay/replay_run.h"

namespace {

const options::ProgramText kText = {
    "thalvorine-replay",
    "usage: thalvorine-replay [--world DIR] [--screen] [--trace] RECORDING\n",
    "Plays a recording of Thalvorine on a virtual console in virtual time and checks its checkpoints.\n"
    "  --world DIR   the world to play in, instead of the recording's own world line; for a\n"
    "                recording of the story choice, the folder its worlds are named from\n"
    "  --screen      print the screen as it stands at the end\n"
    "  --trace       print the screen each time the game waits for a key\n"
    "Exit status: 0 when every checkpoint held, 1 when one failed, 2 when the recording or\n"
    "the world cannot be read.\n",
};

options::Answer readArguments(int argc, char** argv, replay::RunOptions& run) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (const options::Asks asks = options::standardOption(argument); asks != options::Asks::Run) return {asks, ""};
    if (argument == "--world") {
      if (i + 1 == argc) return {options::Asks::Wrong, "--world needs a folder"};
      run.world = argv[++i];
    } else if (argument == "--screen") {
      run.printScreen = true;
    } else if (argument == "--trace") {
      run.trace = true;
    } else if (argument.starts_with("-")) {
      return {options::Asks::Wrong, "unknown option " + std::string(argument)};
    } else if (!run.recordingFile.empty()) {
      return {options::Asks::Wrong, "one recording at a time"};
    } else {
      run.recordingFile = argv[i];
    }
  }
  if (run.recordingFile.empty()) return {options::Asks::Wrong, "which recording?"};
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  replay::RunOptions run;
  if (const int answered = options::answer(readArguments(argc, argv, run), kText); answered >= 0) return answered;
  return replay::runRecording(run, std::cout, std::cerr);
}
