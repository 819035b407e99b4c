// Thalvorine: a text adventure for the terminal.
#include <cstdio>

#include "game/startup.h"
#include "kiv/kiv_engine.h"
#include "kiv/terminal_device.h"

int main() {
  if (!kiv::isInteractiveTerminal()) {
    std::fputs("thalvorine: this game plays in a terminal; standard input and output must both be one.\n", stderr);
    return 2;
  }
  int status = 0;
  {
    kiv::TerminalDevice terminal;
    kiv::attach(terminal);
    status = startUp();
    kiv::present();
  }
  return status;
}
