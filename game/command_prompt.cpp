// The command prompt under every room: the pockets word, an object's name,
// or a wrong command with its cycle of hints.
#include <string>

#include "game/game_state.h"
#include "game/line_input.h"
#include "game/narration.h"
#include "game/screens.h"
#include "kiv/core/kiv_engine.h"

namespace {

// Where the search for a typed word stands; a prompt resumed after a screen
// that named no next one goes on from here.
enum SearchStep { kSearchContents = 0, kSearchLeftItems = 1, kWrongCommand = 2 };

void hint(const std::string& text) { narrate(text, 500); }

void namesBetweenHints(RoomCode room) {
  hint(kiv::linefeed(1) + " " + TooManyWrongCommands[2] + esyaisimsirala(room) + TooManyWrongCommands[3] +
       kiv::linefeed(1));
}

Next openObject(RoomCode room, int object, SearchStep resumeWith) {
  yapilanhatasayisi = 0;
  rememberPrompt(room, resumeWith);
  return goTo<ShowObject>(room, ObjectCode{object}, true, true);
}

Next wrongCommand(RoomCode room) {
  ++yapilanhatasayisi;
  if (yapilanhatasayisi <= 1) return goTo<ShowRoom>(gunceloda, true);
  newScreen();
  switch (yapilanhatasayisi) {
    case 2:
      hint(kiv::linefeed(2) + " " + TooManyWrongCommands[0] + kiv::linefeed(1));
      break;
    case 3:
      hint(kiv::linefeed(2) + " " + TooManyWrongCommands[1] + esyaisimsirala(room) + ". " + kiv::linefeed(2));
      break;
    case 4:
    case 5:
      namesBetweenHints(room);
      break;
    default:
      hint(kiv::linefeed(2) + " " + TooManyWrongCommands[4] + kiv::linefeed(1));
      yapilanhatasayisi = 0;
      namesBetweenHints(room);
      break;
  }
  return goTo<ShowRoom>(gunceloda, false);
}

}  // namespace

Next komutisteme(RoomCode room) {
  if (!get(stringimiz)) return goTo<menuler>(Menu::Exit, true);
  if (stringimiz == Pockets) return goTo<ShowPocket>(room);
  return resumePrompt(room, kSearchContents);
}

Next resumePrompt(RoomCode code, int step) {
  rooms& room = oda[code];
  if (step <= kSearchContents) {
    for (int slot = 0; slot < 10; ++slot) {
      const int object = room.getContents(slot);
      if (object != 0 && stringimiz == esya[object].getName()) return openObject(code, object, kSearchLeftItems);
    }
  }
  if (step <= kSearchLeftItems) {
    for (int i = 0; i < room.getNumberOfLeftItems(); ++i) {
      const int object = room.getLeftItem(i);
      if (stringimiz == esya[object].getName()) return openObject(code, object, kWrongCommand);
    }
  }
  return wrongCommand(code);
}
