// The screens around the game: start screen, main menu, help, exit question.
#include <string>

#include "game/game_state.h"
#include "game/gamedat.h"
#include "game/line_input.h"
#include "game/narration.h"
#include "game/pictures.h"
#include "game/screens.h"
#include "game/variants.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/core/text_rendition.h"

namespace {

const std::string kLead = "   ";

std::string blanks(int n) { return std::string(n, ' '); }

std::string titleLine() { return blanks(26) + kGameTitle + " " + version; }

Next startScreen(bool BGReset) {
  if (BGReset) newScreen();
  if (RunningTime != 0) {
    saveRunCounter();
    return goTo<menuler>(TitleScreen::Main, true);
  }
  kiv::yaz(kiv::linefeed(1) + Introduction, false, 0, 2000, "", 75);
  show(blanks(4) + TypeWatch);
  if (!get(stringimiz)) return goTo<menuler>(TitleScreen::Exit, true);
  kiv::screen().write("1");
  if (stringimiz == Watch) {
    saveRunCounter();
    return goTo<menuler>(TitleScreen::Main, true);
  }
  newScreen();
  show(kiv::linefeed(1));
  narrate(" " + pickVariant(DontYouWannaWatchTexts));
  return goTo<menuler>(TitleScreen::Start, false);
}

Next mainMenu(bool BGReset) {
  if (BGReset) newScreen();
  std::string picture;
  for (std::size_t row = 0; row < kTitlePicture.size(); ++row) {
    picture += kTitlePicture[row];
    if (row == 21) picture += version;
    picture += '\n';
  }
  {
    const kiv::Unsaid drawn;
    show(picture);
  }
  main_menu.initialize(true, kSelectedButton, kUnselectedButton);
  main_menu.add_button(MainMenuButtons_WakeUp, 60, 6);
  main_menu.add_button(MainMenuButtons_Help, 60, 10);
  main_menu.add_button(MainMenuButtons_Exit, 60, 14);
  switch (main_menu.draw()) {
    case 1:
      return goTo<puzzle1>();
    case 2:
      return goTo<menuler>(TitleScreen::Help, true);
    default:
      return goTo<menuler>(TitleScreen::Exit, true);
  }
}

Next helpScreen(bool BGReset) {
  if (BGReset) newScreen();
  show(kiv::linefeed(3) + titleLine() + kiv::linefeed(2) + blanks(34) + "--" + MainMenuButtons_Help + "--" +
       kiv::linefeed(3) + HelpScreen + kiv::linefeed(1));
  kiv::PressAnyKeyToContinue(PressAnyKeyToContinue);
  return goTo<menuler>(TitleScreen::Main, true);
}

Next exitScreen(bool BGReset) {
  if (BGReset) newScreen();
  show(kiv::linefeed(5) + titleLine() + kiv::linefeed(4) + kLead + pickVariant(ExitTexts));
  const int y = kiv::getCursorPosY();
  yesorno_menu.initialize(false, kSelectedButton, kUnselectedButton);
  yesorno_menu.add_button(str_Yes, 28, y + 2);
  yesorno_menu.add_button(str_No, 38 + static_cast<int>(str_Yes.size()), y + 2);
  if (yesorno_menu.draw() == 1) return endProgram(1);
  return goTo<menuler>(TitleScreen::Main, true);
}

}  // namespace

void newScreen() {
  bg.arkaplan();
  kiv::Clear();
}

Next menuler(TitleScreen screen, bool BGReset) {
  switch (screen) {
    case TitleScreen::Start:
      return startScreen(BGReset);
    case TitleScreen::Main:
      return mainMenu(BGReset);
    case TitleScreen::Help:
      return helpScreen(BGReset);
    case TitleScreen::Exit:
      break;
  }
  return exitScreen(BGReset);
}
