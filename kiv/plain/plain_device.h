// The plain device: the game as lines on an output stream, played by lines
// from an input stream, for screen readers, pipes and dumb terminals.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "kiv/core/device.h"
#include "kiv/core/text_rendition.h"
#include "kiv/plain/plain_text.h"

namespace kiv {

// Thrown by PlainDevice::readKey when the input has ended before the game did.
struct InputEnded : std::runtime_error {
  InputEnded() : std::runtime_error("the input ended before the game did") {}
};

class PlainDevice : public Device, public TextRendition {
 public:
  struct Settings {
    bool bell = false;                 // the beeps as the terminal's bell
    bool echo = false;                 // show each line read (the input is not a terminal)
    std::int64_t startCalendarMs = 0;  // the calendar time at the start
  };
  // Writes to `out`, reads from `in`; both must outlive it. Attach it with
  // kiv::attach and make it the text rendition with kiv::setTextRendition.
  PlainDevice(std::istream& in, std::ostream& out, Settings settings);

  // Nothing: the screen is not shown.
  void present(const ScreenBuffer&) override {}
  // The next key of the last line read; when none is left, reads a line.
  int readKey() override;
  bool keyWaiting() override { return !keys_.empty(); }
  // No pause: the clock the game's chances follow moves on as if it waited.
  void sleepMs(int ms) override;
  void beep(int frequency, int ms) override;
  // The calendar second at the start, moved on by the time that passed and
  // every pause skipped.
  std::int64_t calendarSecond() override;
  void setTitle(const std::string&) override {}
  void setCursorVisible(bool) override {}

  void text(const std::string& text) override { text_.text(text); }
  void title(const std::string& title) override { text_.title(title); }
  // A new menu or prompt waits for a line of its own: keys left of the line
  // before are forgotten.
  void menu(const std::vector<std::string>& buttons, bool vertical) override;
  void selected(int button) override { text_.selected(button); }
  void prompt(const std::string& label) override;

 private:
  std::istream& in_;
  plain::PlainText text_;
  Settings settings_;
  std::deque<int> keys_;
  std::int64_t skippedMs_ = 0;
  std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
};

}  // namespace kiv
