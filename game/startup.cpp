// Start-up and the main loop.
#include "game/startup.h"

#include <string>

#include "game/game_state.h"
#include "game/gamedat.h"
#include "game/language.h"
#include "game/screens.h"
#include "kiv/core/kiv_engine.h"

namespace {

// Background attributes of the palette, in the order they are added.
constexpr int kPalette[] = {0x03, 0xD7, 0xF3, 0xF8, 0xE3, 0xE8, 0xF0, 0xC7, 0x9E, 0xA8, 0xB0, 0xB8, 0x4F,
                            0x70, 0x7D, 0x80, 0x73, 0x1F, 0x2B, 0x30, 0x37, 0x40, 0x57, 0x5F, 0x67};

std::string repeat(char c, int n) { return std::string(n, c); }

// Runs the main menu's chain of screens whenever the main menu is due.
int mainLoop() {
  while (gunceloda != kNoRoom) {
    if (gunceloda != kMainMenuDue) return 0;  // nothing else to run: leave rather than spin
    kiv::yaz(kiv::linefeed(5) + EpilepsyWarning, false, 0, 3000, "", 100);
    const int status = runScreens(goTo<menuler>(TitleScreen::Start, true));
    if (status >= 0) return status;
  }
  return 0;
}

}  // namespace

std::string titleBanner() {
  const std::string left = repeat('\xB0', 4) + repeat('\xB1', 5) + "\xB2\xDB";
  const std::string right = "\xDB\xB2" + repeat('\xB1', 5) + repeat('\xB0', 4);
  const std::string edge = repeat('\xB0', 4) + repeat('\xB1', 5) + "\xB2" + repeat('\xDB', 38) + "\xB2" +
                           repeat('\xB1', 5) + repeat('\xB0', 4);
  const std::string inside = left + repeat(' ', 36) + right;
  std::string title = kGameTitle;
  title.resize(25, ' ');
  const std::string titleRow = left + "  " + title + "  " + version + " " + right;
  const std::string indent = repeat(' ', 11);
  std::string banner = kiv::linefeed(8);
  for (const std::string* row : {&edge, &inside, &inside, &titleRow, &inside, &inside}) banner += indent + *row + "\n";
  banner += indent + edge + kiv::linefeed(2);
  return banner;
}

void addPalette() {
  for (int attribute : kPalette) bg.addBGColor(attribute);
}

int startUp() {
  kiv::SetTitle(kGameTitle);
  initialize_gamedat("game.dat");
  addPalette();
  kiv::ShowConsoleCursor(0);
  newScreen();
  kiv::yaz(titleBanner(), false, 0, 0, "   ", 75);
  initialize();
  kiv::biip(1);
  newScreen();
  gunceloda = kMainMenuDue;
  return mainLoop();
}
