// thalvorine-replay: plays a recording of the game headless and checks it.
#include <cstring>
#include <iostream>

#include "replay/replay_run.h"

int main(int argc, char** argv) {
  replay::RunOptions options;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--world") == 0 && i + 1 < argc) {
      options.world = argv[++i];
    } else if (std::strcmp(argv[i], "--screen") == 0) {
      options.printScreen = true;
    } else if (std::strcmp(argv[i], "--trace") == 0) {
      options.trace = true;
    } else if (argv[i][0] != '-' && options.recordingFile.empty()) {
      options.recordingFile = argv[i];
    } else {
      options.recordingFile.clear();
      break;
    }
  }
  if (options.recordingFile.empty()) {
    std::cerr << "usage: thalvorine-replay [--world DIR] [--screen] [--trace] RECORDING\n";
    return 2;
  }
  return replay::runRecording(options, std::cout, std::cerr);
}
