// Thalvorine: a text adventure for the terminal.
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <streambuf>
#include <string>

#include "app/options.h"
#include "app/world_list.h"
#include "game/startup.h"
#include "game/world_choice.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/core/text_rendition.h"
#include "kiv/plain/plain_device.h"
#include "kiv/terminal/terminal_device.h"
#include "replay/recording_file.h"

namespace {

replay::Setup setupForRecording() {
  winsize size{};
  if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0) size = {};
  return replay::setupOfThisGame(size.ws_col, size.ws_row);
}

// Standard input read a byte at a time: a story chosen from a pipe's lines
// takes only its own line, and leaves the rest to the game that follows it.
class UnbufferedInput : public std::streambuf {
 protected:
  int_type underflow() override {
    ssize_t n = 0;
    do n = ::read(STDIN_FILENO, &byte_, 1);
    while (n < 0 && errno == EINTR);
    if (n != 1) return traits_type::eof();
    setg(&byte_, &byte_, &byte_ + 1);
    return traits_type::to_int_type(byte_);
  }

 private:
  char byte_ = 0;
};

// The game, or with --choose-world the choice of the story to play.
int playOrChoose(const options::GameOptions& chosen) {
  if (chosen.mode == options::GameOptions::Mode::ChooseWorld)
    return choiceStatus(chooseWorld(worldTitles(chosen.worlds)));
  return startUp();
}

// True when the game is to be told as text: asked for, or no terminal to draw on.
bool playsPlain(const options::GameOptions& chosen) {
  const char* term = std::getenv("TERM");
  return chosen.plain || (term != nullptr && std::strcmp(term, "dumb") == 0) || !kiv::isInteractiveTerminal();
}

// Plays (or chooses) on `device` by `run`, recorded with `setup` where
// --record asks: status 2 when the recording cannot be made. Whatever the
// recording has to tell the player afterwards goes into `afterGame`.
template <class Run>
int playOn(kiv::Device& device, const options::GameOptions& chosen, const replay::Setup& setup, std::string& afterGame,
           Run run) {
  std::optional<replay::RecordingFile> recording;  // made only now that the device has taken the game
  if (!chosen.recordTo.empty()) recording.emplace(chosen.recordTo, device, setup);
  int status = 2;
  if (!recording || recording->isRecording()) {
    kiv::attach(recording ? recording->device() : device);
    kiv::setSilent(chosen.silent);
    status = run();
  }
  if (recording) afterGame = recording->finish();
  return status;
}

// Plays the game as lines on standard output, read from standard input.
int playPlain(const options::GameOptions& chosen) {
  std::ios::sync_with_stdio(false);
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  UnbufferedInput unbuffered;
  std::istream choiceInput(&unbuffered);
  const bool choosing = chosen.mode == options::GameOptions::Mode::ChooseWorld;
  kiv::PlainDevice plain(choosing ? choiceInput : std::cin, std::cout,
                         {.bell = chosen.bell && !chosen.silent,
                          .echo = ::isatty(STDIN_FILENO) != 1,
                          .startCalendarMs = std::chrono::duration_cast<std::chrono::milliseconds>(now).count()});
  std::string afterGame;
  const int status = playOn(plain, chosen, replay::setupOfThisGame(0, 0), afterGame, [&] {
    kiv::setTextRendition(&plain);
    int ended = 0;
    try {
      ended = playOrChoose(chosen);
    } catch (const kiv::InputEnded& inputEnded) {
      std::cout.flush();
      std::fprintf(stderr, "thalvorine: %s.\n", inputEnded.what());
      ended = 3;
    }
    kiv::setTextRendition(nullptr);
    return ended;
  });
  std::cout.flush();
  std::fputs(afterGame.c_str(), stderr);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  options::GameOptions chosen;
  if (const int answered = options::answer(options::readGameOptions(argc, argv, chosen), options::kGameText);
      answered >= 0)
    return answered;
  if (chosen.mode == options::GameOptions::Mode::ListWorlds) {
    listWorlds(chosen.worlds, stdout);
    return 0;
  }
  if (playsPlain(chosen)) return playPlain(chosen);
  int status = 0;
  std::string afterGame;  // said once the terminal is given back
  {
    std::string refusal;
    const std::unique_ptr<kiv::TerminalDevice> terminal = kiv::TerminalDevice::open(refusal);
    if (!terminal) {
      std::fputs(refusal.c_str(), stderr);
      return 2;
    }
    if (chosen.highContrast) terminal->useHighContrast();
    status = playOn(*terminal, chosen, setupForRecording(), afterGame, [&] {
      const int ended = playOrChoose(chosen);
      kiv::present();
      return ended;
    });
  }
  std::fputs(afterGame.c_str(), stderr);
  return status;
}
