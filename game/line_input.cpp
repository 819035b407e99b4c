// Reading one word from the keyboard.
#include "game/line_input.h"

#include "game/game_state.h"
#include "game/narration.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/core/text_rendition.h"

namespace {

// Removes the letter before the cursor from the screen, also when the word
// wrapped and that letter stands at the end of the row above.
void eraseLastLetter() {
  kiv::ScreenBuffer& screen = kiv::screen();
  const int x = screen.cursorX();
  const int y = screen.cursorY();
  if (x == 0 && y > 0) {
    screen.setCursor(kiv::ScreenBuffer::kColumns - 1, y - 1);
    screen.put(' ');  // wraps back to where the cursor was
    screen.setCursor(kiv::ScreenBuffer::kColumns - 1, y - 1);
  } else {
    screen.write("\b \b");
  }
}

}  // namespace

bool get(std::string& s) {
  {
    const kiv::Unsaid label;  // said as the prompt's label
    show(kiv::linefeed(2) + std::string(25, ' ') + Order + " :  ");
  }
  kiv::sayPrompt(Order + " :");
  kiv::ShowConsoleCursor(1);
  s.clear();
  for (;;) {
    const int c = kiv::GetKey();
    if (c == kiv::key::kEscape) {
      kiv::ShowConsoleCursor(0);
      kiv::SetCursorPosition(10, 1);
      return false;
    }
    if (c == kiv::key::kBackspace) {
      if (s.empty()) {
        kiv::biip(0);
      } else {
        eraseLastLetter();
        s.pop_back();
      }
      continue;
    }
    if (c == kiv::key::kEnter) {
      kiv::ShowConsoleCursor(0);
      return true;
    }
    if (kiv::KeyHasSecondCode()) {
      kiv::GetKey();  // an arrow's or function key's scan code is not a letter
      continue;
    }
    const char b = kiv::convertEN(static_cast<char>(c));
    const auto folded = static_cast<unsigned char>(b);
    if (folded >= 33 && folded <= 126) {
      kiv::screen().put(static_cast<std::uint8_t>(c));
      kiv::present();
      // Upper case the same way in every locale (a Turkish one keeps 'i').
      s += static_cast<char>(folded >= 'a' && folded <= 'z' ? folded - 'a' + 'A' : folded);
    }
  }
}
