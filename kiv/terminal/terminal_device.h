// The real terminal: draws the screen buffer through the terminal's terminfo
// entry in the locale's characters, reads keys as the game's key codes, and
// restores the terminal on every way out and every stop.
#pragma once

#include <memory>
#include <string>

#include "kiv/core/device.h"

namespace kiv {

// True when both standard input and standard output are terminals.
bool isInteractiveTerminal();

class TerminalDevice : public Device {
 public:
  // Takes over the terminal: alternate screen, keys without echo, colours,
  // signal handlers that restore it. Only one may exist at a time. Nothing,
  // and in `refusal` one line saying why, for a terminal the game cannot
  // draw on (TERM unknown, unset, or without cursor addressing); the
  // terminal is then untouched.
  static std::unique_ptr<TerminalDevice> open(std::string& refusal);
  // Gives the terminal back exactly as it was found; then, where the
  // locale could not show the Turkish letters, says on standard error in one
  // line how to see them.
  ~TerminalDevice() override;
  TerminalDevice(const TerminalDevice&) = delete;
  TerminalDevice& operator=(const TerminalDevice&) = delete;

  void present(const ScreenBuffer& screen) override;
  int readKey() override;
  bool keyWaiting() override;
  void sleepMs(int ms) override;
  void beep(int frequency, int ms) override;
  std::int64_t calendarSecond() override;
  void setTitle(const std::string& title) override;
  void setCursorVisible(bool visible) override;
  bool looksAlike(int first, int second) override;
  // Draws every colour pair with a contrast of at least 4.5:1 from now on.
  void useHighContrast();

 private:
  struct Parts;
  explicit TerminalDevice(std::string localeWarning);
  std::unique_ptr<Parts> parts_;
};

}  // namespace kiv
