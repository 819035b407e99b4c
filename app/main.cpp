// Thalvorine: a text adventure for the terminal.
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "game/startup.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/terminal/terminal_device.h"
#include "replay/recording_device.h"

namespace {

// Where to record the game: `--record FILE`, else THALVORINE_RECORD; nullptr for nowhere.
const char* recordingFile(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--record") == 0) return argv[i + 1];
  const char* fromEnvironment = std::getenv("THALVORINE_RECORD");
  return fromEnvironment != nullptr && *fromEnvironment != '\0' ? fromEnvironment : nullptr;
}

replay::Setup setupForRecording() {
  winsize size{};
  if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0) size = {};
  return replay::setupOfThisGame(size.ws_col, size.ws_row);
}

// True for `--silent`, or THALVORINE_SILENT set to anything but "" or "0".
bool silenced(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--silent") == 0) return true;
  const char* fromEnvironment = std::getenv("THALVORINE_SILENT");
  return fromEnvironment != nullptr && *fromEnvironment != '\0' && std::strcmp(fromEnvironment, "0") != 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (!kiv::isInteractiveTerminal()) {
    std::fputs("thalvorine: this game plays in a terminal; standard input and output must both be one.\n", stderr);
    return 2;
  }
  const char* recordTo = recordingFile(argc, argv);
  std::ofstream recording;
  if (recordTo != nullptr) {
    recording.open(recordTo);
    if (!recording) {
      std::fprintf(stderr, "thalvorine: cannot write the recording %s\n", recordTo);
      return 2;
    }
  }
  int status = 0;
  {
    std::string refusal;
    const std::unique_ptr<kiv::TerminalDevice> terminal = kiv::TerminalDevice::open(refusal);
    if (!terminal) {
      std::fputs(refusal.c_str(), stderr);
      return 2;
    }
    std::optional<replay::RecordingDevice> recorder;
    if (recordTo != nullptr) recorder.emplace(*terminal, recording, setupForRecording());
    if (recorder)
      kiv::attach(*recorder);
    else
      kiv::attach(*terminal);
    kiv::setSilent(silenced(argc, argv));
    status = startUp();
    kiv::present();
  }
  return status;
}
