// The opening sequence of a new game: the picture flashes seven times, the
// opening title and text, then the first room.
#include <string>

#include "game/game_state.h"
#include "game/narration.h"
#include "game/pictures.h"
#include "game/screens.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/core/text_rendition.h"

Next puzzle1() {
  newScreen();
  for (int repetition = 0; repetition < 7; ++repetition) {
    std::string rastgelebosluklar;
    for (int i = 0; kiv::Random(0, 45) > i; ++i) rastgelebosluklar += ' ';
    std::string frame;
    for (std::size_t row = 0; row < kOpeningPicture.size(); ++row) {
      if (row > 0) frame += kiv::linefeed(1);
      frame += rastgelebosluklar + kOpeningPicture[row];
    }
    {
      const kiv::Unsaid drawn;
      kiv::yaz(frame, false, 0, 500, "", 75);
    }
    newScreen();
  }
  kiv::Clear();
  kiv::sleep(1000);
  kiv::yaz(kiv::linefeed(4) + std::string(13, ' ') + Puzzle1OpeningTitle + kiv::linefeed(3), false, 0, 2000, "   ", 75);
  narrate("  " + Puzzle1OpeningText + kiv::linefeed(2));
  kiv::PressAnyKeyToContinue(PressAnyKeyToContinue);
  return goTo<ShowRoom>(RoomCode{1}, true);
}
