// The one seam between the console engine and the world outside: a real
// terminal in play, a scripted virtual console in tests.
#pragma once

#include <cstdint>
#include <string>

namespace kiv {

class ScreenBuffer;

// Key codes as the game reads them: a character's code page 857 byte, or for
// an extended key two codes in a row, kExtended (224) or kFunction (0) and
// then the key's scan code.
namespace key {
constexpr int kFunction = 0;
constexpr int kExtended = 224;
constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kUp = 72;
constexpr int kDown = 80;
constexpr int kLeft = 75;
constexpr int kRight = 77;
constexpr int kHome = 71;
constexpr int kEnd = 79;
constexpr int kPageUp = 73;
constexpr int kPageDown = 81;
constexpr int kInsert = 82;
constexpr int kDelete = 83;
constexpr int kF1 = 59;  // F1 to F10 are 59 to 68 after kFunction
}  // namespace key

class Device {
 public:
  virtual ~Device() = default;

  // Shows the buffer as it stands now (changed cells only, where it can).
  virtual void present(const ScreenBuffer& screen) = 0;
  // Waits for one key code; the second code of a two-code key comes next.
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
