// A game recorded while it is played replays exactly: the same screen, the
// same tones, even with keys pressed while texts were still being typed.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "game/game_state.h"
#include "game/startup.h"
#include "kiv/core/kiv_engine.h"
#include "replay/recording_device.h"
#include "replay/replay_console.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using kiv::key::kEnter;

// A player who types ahead: after `readsBefore` keys, the first time the game
// looks for a waiting key (while it types a text), "KA" is pressed.
class TypingAheadPlayer : public kiv::VirtualDevice {
 public:
  explicit TypingAheadPlayer(int readsBefore) : readsBefore_(readsBefore) {}
  int readKey() override {
    ++reads_;
    return VirtualDevice::readKey();
  }
  bool keyWaiting() override {
    if (reads_ == readsBefore_ && !pressed_) {
      pressAt(nowMs(), 'K');
      pressAt(nowMs(), 'A');
      pressed_ = true;
    }
    return VirtualDevice::keyWaiting();
  }
  bool pressed() const { return pressed_; }

 private:
  int readsBefore_;
  int reads_ = 0;
  bool pressed_ = false;
};

// What a game played on `device` leaves: every row of the screen, every
// tone (frequency and length) and every letter's pause (fewer once a key waits).
std::string playOn(kiv::Device& device, const kiv::VirtualDevice& clock) {
  resetGameState();
  kiv::attach(device);
  try {
    startUp();
  } catch (const kiv::ScriptEnded&) {
  }
  std::string played;
  for (int row = 0; row < kiv::ScreenBuffer::kRows; ++row) played += kiv::rowText(kiv::screen(), row) + "\n";
  for (const auto& beep : clock.beeps()) played += std::to_string(beep.frequency) + ":" + std::to_string(beep.ms) + " ";
  for (int ms : clock.sleeps()) played += std::to_string(ms) + " ";
  return played;
}

TEST(RecordThenReplay, ShowsWhatThePlayerSaw) {
  TempFolder folder(true);
  fs::copy(THALVORINE_TEST_WORLD, folder.path(), fs::copy_options::recursive);

  // Three wrong words, the third followed at once by "KA" while the hint
  // and the room are still being typed (their rest then appears at once).
  TypingAheadPlayer player(4 + 1 + 1 + 1 + 3 * 7);
  player.type("IZLE");
  player.type(kEnter);
  player.type(kEnter);  // wake up
  player.type(' ');
  for (int i = 0; i < 3; ++i) {
    player.type("YANLIS");
    player.type(kEnter);
  }
  player.type("PI");
  player.type(kEnter);
  player.typeArrow(kiv::key::kRight);  // pick it up: refused
  player.type(kEnter);

  std::ostringstream recording;
  const replay::Setup setup = replay::setupOfThisGame(80, 25);
  std::string recorded;
  {
    replay::RecordingDevice recorder(player, recording, setup);
    recorded = playOn(recorder, player);
  }
  folder.write("game.dat", setup.progressText);  // as the game found it

  std::istringstream in(recording.str());
  const replay::ParseResult parsed = replay::parseRecording(in);
  ASSERT_EQ(parsed.errorLine, 0) << parsed.error;
  replay::ReplayConsole console(parsed.recording);
  EXPECT_TRUE(player.pressed());
  EXPECT_NE(recorded.find("Aldin."), std::string::npos) << recorded;
  EXPECT_EQ(playOn(console, console), recorded) << recording.str();
}

}  // namespace
