// The terminal's modes while the game holds it, and giving them back on every way out and every stop.
#pragma once

#include <termios.h>

#include <string>

namespace kiv {

class TerminalModes {
 public:
  // Remembers the modes the shell left the terminal in, and installs the
  // signal handlers (terminal_signals::install).
  TerminalModes();
  // Gives the terminal back (giveBack) and puts back the signal handlers.
  ~TerminalModes();
  TerminalModes(const TerminalModes&) = delete;
  TerminalModes& operator=(const TerminalModes&) = delete;

  // Sets the game's modes and sends `start`; until giveBack, a dying program
  // sends `end` and gives the shell's modes back.
  void take(const std::string& start, const std::string& end);
  // Sends `end` and gives the shell's modes back, once after each take.
  void giveBack();
  bool held() const { return held_; }
  // Readable whenever a signal the game must answer has arrived.
  int wakeFd() const { return wakeFd_; }

 private:
  termios shell_{};
  std::string end_;
  int wakeFd_ = -1;
  bool held_ = false;
};

}  // namespace kiv
