// A console for tests: keys from a script, a virtual clock moved by sleeps
// and beeps, beeps recorded, the presented screen readable cell by cell.
#pragma once

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "kiv/core/device.h"
#include "kiv/core/screen_buffer.h"

namespace kiv {

// Thrown by readKey when the script has no key left: it ends a scene.
struct ScriptEnded : std::runtime_error {
  ScriptEnded() : std::runtime_error("the key script has ended") {}
};

class VirtualDevice : public Device {
 public:
  struct Beep {
    int frequency;
    int ms;
    std::int64_t atMs;
  };

  // The virtual clock starts at this calendar second, unless told otherwise.
  static constexpr std::int64_t kEpochSecond = 1'800'000'000;
  // The calendar time, in milliseconds, at virtual time 0.
  void startClockAt(std::int64_t calendarMs) { startMs_ = calendarMs; }

  // Keys the player presses when the game asks for one: they are never
  // "waiting" before the game blocks on a read.
  void type(int code);
  void type(const std::string& codePage857Text);
  void typeArrow(int scanCode);              // 224, then the scan code
  void typeTwoCodes(int first, int second);  // an extended (224) or function (0) key
  // A key pressed at virtual time `atMs` (from the start), waiting from then
  // on whether or not the game reads it.
  void pressAt(std::int64_t atMs, int code);

  void present(const ScreenBuffer&) override {}
  int readKey() override;
  bool keyWaiting() override;
  void sleepMs(int ms) override;
  void beep(int frequency, int ms) override;
  std::int64_t calendarSecond() override;
  void setTitle(const std::string& title) override { title_ = title; }
  void setCursorVisible(bool visible) override { cursorVisible_ = visible; }

  std::int64_t nowMs() const { return nowMs_; }
  void advance(std::int64_t ms) { nowMs_ += ms; }
  const std::vector<Beep>& beeps() const { return beeps_; }
  const std::vector<int>& sleeps() const { return sleeps_; }
  const std::string& title() const { return title_; }
  bool cursorVisible() const { return cursorVisible_; }
  std::size_t keysLeft() const { return scripted_.size() + early_.size(); }

 private:
  struct EarlyKey {
    std::int64_t atMs;
    int code;
  };

  std::deque<int> scripted_;
  std::deque<EarlyKey> early_;
  std::vector<Beep> beeps_;
  std::vector<int> sleeps_;
  std::string title_;
  std::int64_t nowMs_ = 0;
  std::int64_t startMs_ = kEpochSecond * 1000;
  bool cursorVisible_ = true;
};

// Reads a presented or live buffer for assertions.
std::string rowText(const ScreenBuffer& screen, int row);  // code page bytes, trailing blanks cut

}  // namespace kiv
