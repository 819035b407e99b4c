// Resident memory over a long game: screens hand over to each other without
// growing the stack or the heap, however long the player goes on.
#include <malloc.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/screens.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/core/screen_buffer.h"

namespace {

// Resident set size in KiB, from the kernel.
long residentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

struct GameOver {};

// A player that never tires: keys come from a repeating pattern, time moves
// only on the virtual clock, and nothing is recorded.
class TirelessPlayer : public kiv::Device {
 public:
  TirelessPlayer(std::vector<int> pattern, long rounds, long sampleAt)
      : pattern_(std::move(pattern)), rounds_(rounds), sampleAt_(sampleAt) {}

  long rssAtSample = 0;
  long rssAtEnd = 0;
  std::size_t heapAtSample = 0;
  std::size_t heapAtEnd = 0;

  void present(const kiv::ScreenBuffer&) override {}
  int readKey() override {
    if (next_ == pattern_.size()) {
      next_ = 0;
      ++round_;
      if (round_ == sampleAt_) {
        rssAtSample = residentKiB();
        heapAtSample = mallinfo2().uordblks;
      }
      if (round_ == rounds_) {
        rssAtEnd = residentKiB();
        heapAtEnd = mallinfo2().uordblks;
        throw GameOver{};
      }
    }
    return pattern_[next_++];
  }
  bool keyWaiting() override { return false; }
  void sleepMs(int ms) override { nowMs_ += ms; }
  void beep(int, int ms) override { nowMs_ += ms; }
  std::int64_t calendarSecond() override { return 1'800'000'000 + nowMs_ / 1000; }
  void setTitle(const std::string&) override {}
  void setCursorVisible(bool) override {}

 private:
  std::vector<int> pattern_;
  std::size_t next_ = 0;
  long round_ = 0;
  long rounds_;
  long sampleAt_;
  std::int64_t nowMs_ = 0;
};

void prepareWorld() {
  resetGameState();
  for (int attribute : {0x1F, 0x2B, 0x30, 0x4F, 0x5F}) bg.addBGColor(attribute);
  MainMenuButtons_WakeUp = "UYAN";
  MainMenuButtons_Help = "YARDIM";
  MainMenuButtons_Exit = "CIKIS";
  HelpScreen = "Bir nesnenin adini yaz; ceplerin icin CEPLER; cikmak icin Esc.";
  Order = "KOMUT";
  Pockets = "CEPLER";
  for (int i = 0; i < 5; ++i) TooManyWrongCommands[i] = "Ipucu " + std::to_string(i) + ": ";
  version = "v0.1.0";
}

void run(const char* what, long rounds, long sampleAt, std::vector<int> keys, Next first) {
  prepareWorld();
  TirelessPlayer player(std::move(keys), rounds, sampleAt);
  kiv::attach(player);
  residentKiB();  // the measurement's own buffers come and go before the game
  try {
    runScreens(first);
  } catch (const GameOver&) {
  }
  std::printf("| %-44s | %9ld | %9ld | %+8ld | %+10ld |\n", what, player.rssAtSample, player.rssAtEnd,
              player.rssAtEnd - player.rssAtSample,
              static_cast<long>(player.heapAtEnd) - static_cast<long>(player.heapAtSample));
}

}  // namespace

int main() {
  std::printf("| %-44s | %9s | %9s | %8s | %10s |\n", "long game (virtual console)", "RSS early", "RSS end", "growth",
              "heap in use");
  std::printf("| %-44s | %9s | %9s | %8s | %10s |\n", "", "KiB", "KiB", "KiB", "growth, B");
  // Main menu -> help -> main menu: down, Enter, any key.
  run("100,000 trips main menu -> help -> main menu", 100'000, 100, {224, 80, 13, 32},
      goTo<menuler>(TitleScreen::Main, true));
  // A wrong word at the prompt, again and again, hints and all.
  run("1,000,000 wrong commands", 1'000'000, 1'000, {'X', 13}, goTo<ShowRoom>(RoomCode{1}, true));
  return 0;
}
