// The virtual console a recording is replayed on: it hands the game the
// recording's keys, at their moments, and checks each checkpoint when the
// game next waits for a key.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "kiv/virtual/virtual_device.h"
#include "replay/recording.h"

namespace replay {

struct Failure {
  int line;  // in the recording
  std::string message;
  std::string screen;  // what the player saw then, as text
};

class ReplayConsole : public kiv::VirtualDevice {
 public:
  // `recording` must outlive the console. With `trace`, the screen the game
  // waits on is written to it before each key the recording hands over.
  explicit ReplayConsole(const Recording& recording, std::ostream* trace = nullptr);

  void present(const kiv::ScreenBuffer& screen) override;
  int readKey() override;  // throws kiv::ScriptEnded past the last key
  bool keyWaiting() override;

  // After the game has ended with `status`: checks what is left of the
  // recording (its last checkpoints); keys left unread are a failure.
  void finish(int status);
  // After the recording ran out while the game still played.
  void finishUnended();

  const std::vector<Failure>& failures() const { return failures_; }
  // The screen as the player sees it now: its rows, one per line.
  std::string screenText() const;

 private:
  // Checks the checkpoints from the current step up to the next key (or the end).
  void checkUpToNextKey(const int* exitStatus);
  void check(const Step& step, const int* exitStatus);
  void fail(const Step& step, std::string message);
  std::string visibleRow(int y) const;  // code page bytes, trailing blanks cut

  const Recording& recording_;
  std::ostream* trace_;
  std::size_t next_ = 0;
  int top_ = 0;
  std::vector<Failure> failures_;
};

}  // namespace replay
