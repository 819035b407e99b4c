// The screens around the game: start screen, main menu, help, exit question.
#include <string>

#include "game/game_state.h"
#include "game/gamedat.h"
#include "game/line_input.h"
#include "game/pictures.h"
#include "game/screens.h"
#include "kiv/kiv_engine.h"

namespace {

constexpr int kSelected = 0x02;    // green on black
constexpr int kUnselected = 0x0E;  // yellow on black
const std::string kLead = "   ";

std::string blanks(int n) { return std::string(n, ' '); }

std::string titleLine() { return blanks(26) + kGameTitle + " " + version; }

Next startScreen(bool BGReset) {
  if (BGReset) newScreen();
  if (RunningTime != 0) {
    saveRunCounter();
    return goTo<menuler>(1, true);
  }
  kiv::yaz(kiv::linefeed(1) + Introduction, false, 0, 2000, "", 75);
  kiv::yaz(blanks(4) + TypeWatch, false, 0, 0, kLead, 75);
  if (!get(stringimiz)) return goTo<menuler>(3, true);
  kiv::screen().write("1");
  if (stringimiz == Watch) {
    saveRunCounter();
    return goTo<menuler>(1, true);
  }
  newScreen();
  kiv::yaz(kiv::linefeed(1), false, 0, 0, kLead, 75);
  kiv::yaz(" " + DontYouWannaWatchTexts[kiv::Random(0, 2)], true, 10, 2000, kLead, 75);
  return goTo<menuler>(0, false);
}

Next mainMenu(bool BGReset) {
  if (BGReset) newScreen();
  std::string picture;
  for (std::size_t row = 0; row < kTitlePicture.size(); ++row) {
    picture += kTitlePicture[row];
    if (row == 21) picture += version;
    picture += '\n';
  }
  kiv::yaz(picture, false, 0, 0, kLead, 75);
  main_menu.initialize(true, kSelected, kUnselected);
  main_menu.add_button(MainMenuButtons_WakeUp, 60, 6);
  main_menu.add_button(MainMenuButtons_Help, 60, 10);
  main_menu.add_button(MainMenuButtons_Exit, 60, 14);
  switch (main_menu.draw()) {
    case 1:
      return goTo<puzzle1>();
    case 2:
      return goTo<menuler>(2, true);
    default:
      return goTo<menuler>(3, true);
  }
}

Next helpScreen(bool BGReset) {
  if (BGReset) newScreen();
  kiv::yaz(kiv::linefeed(3) + titleLine() + kiv::linefeed(2) + blanks(34) + "--" + MainMenuButtons_Help + "--" +
               kiv::linefeed(3) + HelpScreen + kiv::linefeed(1),
           false, 0, 0, kLead, 75);
  kiv::PressAnyKeyToContinue(PressAnyKeyToContinue);
  return goTo<menuler>(1, true);
}

Next exitScreen(bool BGReset) {
  if (BGReset) newScreen();
  const int k = kiv::Random(0, 4);
  kiv::yaz(kiv::linefeed(5) + titleLine() + kiv::linefeed(4) + kLead + ExitTexts[k], false, 0, 0, kLead, 75);
  const int y = kiv::getCursorPosY();
  yesorno_menu.initialize(false, kSelected, kUnselected);
  yesorno_menu.add_button(str_Yes, 28, y + 2);
  yesorno_menu.add_button(str_No, 38 + static_cast<int>(str_Yes.size()), y + 2);
  if (yesorno_menu.draw() == 1) return endProgram(1);
  return goTo<menuler>(1, true);
}

}  // namespace

void newScreen() {
  bg.arkaplan();
  kiv::Clear();
}

Next menuler(int menu, bool BGReset) {
  switch (menu) {
    case 0:
      return startScreen(BGReset);
    case 1:
      return mainMenu(BGReset);
    case 2:
      return helpScreen(BGReset);
    case 3:
      return exitScreen(BGReset);
    default:
      return noScreen();
  }
}
