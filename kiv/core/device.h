// The one seam between the console engine and the world outside: a real
// terminal in play, a scripted virtual console in tests.
#pragma once

#include <cstdint>
#include <string>

#include "kiv/core/key_codes.h"

namespace kiv {

class ScreenBuffer;

// The fewest rows of a terminal every screen of the game can be played in
// (the window follows the cursor): a status line may take the 24th.
constexpr int kFewestRows = 23;

class Device {
 public:
  virtual ~Device() = default;

  // Shows the buffer as it stands now (changed cells only, where it can).
  virtual void present(const ScreenBuffer& screen) = 0;
  // Waits for one key code; the first code of a two-code key comes marked
  // (key::markedFirst), its second code next.
  virtual int readKey() = 0;
  // True if a key code is waiting; reads nothing.
  virtual bool keyWaiting() = 0;
  // Blocks for `ms` milliseconds.
  virtual void sleepMs(int ms) = 0;
  // Plays a tone; blocks for exactly `ms` milliseconds.
  virtual void beep(int frequency, int ms) = 0;
  // The calendar time in whole seconds.
  virtual std::int64_t calendarSecond() = 0;
  virtual void setTitle(const std::string& title) = 0;
  virtual void setCursorVisible(bool visible) = 0;
  // True when a screen cleared in attribute `first` shows to the player just
  // as one cleared in `second` (on a device of few colours or none). A
  // device that shows every attribute as it is: only when they are equal.
  virtual bool looksAlike(int first, int second) { return first == second; }
};

}  // namespace kiv
