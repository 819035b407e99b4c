// Thalvorine: a text adventure for the terminal.
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "app/options.h"
#include "app/world_list.h"
#include "game/startup.h"
#include "game/world_choice.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/terminal/terminal_device.h"
#include "replay/recording_file.h"

namespace {

replay::Setup setupForRecording() {
  winsize size{};
  if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0) size = {};
  return replay::setupOfThisGame(size.ws_col, size.ws_row);
}

}  // namespace

int main(int argc, char** argv) {
  options::GameOptions chosen;
  if (const int answered = options::answer(options::readGameOptions(argc, argv, chosen), options::kGameText);
      answered >= 0)
    return answered;
  using Mode = options::GameOptions::Mode;
  if (chosen.mode == Mode::ListWorlds) {
    listWorlds(chosen.worlds, stdout);
    return 0;
  }
  if (!kiv::isInteractiveTerminal()) {
    std::fputs("thalvorine: this game plays in a terminal; standard input and output must both be one.\n", stderr);
    return 2;
  }
  int status = 0;
  std::string afterGame;  // said once the terminal is given back
  {
    std::string refusal;
    const std::unique_ptr<kiv::TerminalDevice> terminal = kiv::TerminalDevice::open(refusal);
    if (!terminal) {
      std::fputs(refusal.c_str(), stderr);
      return 2;
    }
    std::optional<replay::RecordingFile> recording;  // made only now that the terminal has taken the game
    if (!chosen.recordTo.empty()) recording.emplace(chosen.recordTo, *terminal, setupForRecording());
    if (recording && !recording->isRecording()) {
      status = 2;
    } else {
      kiv::attach(recording ? recording->device() : static_cast<kiv::Device&>(*terminal));
      kiv::setSilent(chosen.silent);
      status = chosen.mode == Mode::ChooseWorld ? choiceStatus(chooseWorld(worldTitles(chosen.worlds))) : startUp();
      kiv::present();
    }
    if (recording) afterGame = recording->finish();
  }
  std::fputs(afterGame.c_str(), stderr);
  return status;
}
