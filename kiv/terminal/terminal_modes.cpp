// The game's terminal modes, set and given back.
#include "kiv/terminal/terminal_modes.h"

#include <unistd.h>

#include "kiv/core/write_all.h"
#include "kiv/terminal/terminal_signals.h"

namespace kiv {
namespace {

// The game's modes: keys one by one without echo, Enter as CR, all eight
// bits, line feeds that do not return the carriage, and Ctrl-S not freezing
// the screen. Ctrl-C, Ctrl-\ and Ctrl-Z stay signals: they end or stop the
// game at once, whatever it is doing.
termios gameModes(const termios& shell) {
  termios modes = shell;
  modes.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ECHONL | IEXTEN);
  modes.c_lflag |= ISIG;
  modes.c_iflag &= ~static_cast<tcflag_t>(IXON | ICRNL | INLCR | IGNCR | ISTRIP | BRKINT | PARMRK);
  modes.c_oflag &= ~static_cast<tcflag_t>(ONLCR);
  modes.c_cc[VMIN] = 1;
  modes.c_cc[VTIME] = 0;
  return modes;
}

}  // namespace

TerminalModes::TerminalModes() {
  ::tcgetattr(STDIN_FILENO, &shell_);
  wakeFd_ = terminal_signals::install();
}

TerminalModes::~TerminalModes() {
  giveBack();
  terminal_signals::uninstall();
}

void TerminalModes::take(const std::string& start, const std::string& end) {
  end_ = end;
  terminal_signals::armRestore(end_, STDOUT_FILENO, STDIN_FILENO, shell_);
  const termios modes = gameModes(shell_);
  ::tcsetattr(STDIN_FILENO, TCSADRAIN, &modes);
  held_ = true;
  writeAll(STDOUT_FILENO, start);
}

void TerminalModes::giveBack() {
  if (!held_) return;
  held_ = false;
  writeAll(STDOUT_FILENO, end_);
  ::tcsetattr(STDIN_FILENO, TCSADRAIN, &shell_);
  terminal_signals::disarmRestore();
}

}  // namespace kiv
