// The command prompt under every room: the pockets word, an object's name,
// or a wrong command with its cycle of hints.
#include <string>

#include "game/game_state.h"
#include "game/line_input.h"
#include "game/screens.h"
#include "kiv/kiv_engine.h"

namespace {

// Where the search for a typed word stands; a prompt resumed after a screen
// that named no next one goes on from here.
enum SearchStep { kSearchContents = 0, kSearchLeftItems = 1, kWrongCommand = 2 };

const std::string kLead = "   ";

void hint(const std::string& text) { kiv::yaz(text, true, 10, 500, kLead, 75); }

void namesBetweenHints(int RoomCode) {
  hint(kiv::linefeed(1) + " " + TooManyWrongCommands[2] + esyaisimsirala(RoomCode) + TooManyWrongCommands[3] +
       kiv::linefeed(1));
}

Next openObject(int RoomCode, int ObjectCode, SearchStep resumeWith) {
  yapilanhatasayisi = 0;
  rememberPrompt(RoomCode, resumeWith);
  return goTo<ShowObject>(RoomCode, ObjectCode, true, true);
}

Next wrongCommand(int RoomCode) {
  ++yapilanhatasayisi;
  if (yapilanhatasayisi <= 1) return goTo<ShowRoom>(gunceloda, true);
  newScreen();
  switch (yapilanhatasayisi) {
    case 2:
      hint(kiv::linefeed(2) + " " + TooManyWrongCommands[0] + kiv::linefeed(1));
      break;
    case 3:
      hint(kiv::linefeed(2) + " " + TooManyWrongCommands[1] + esyaisimsirala(RoomCode) + ". " + kiv::linefeed(2));
      break;
    case 4:
    case 5:
      namesBetweenHints(RoomCode);
      break;
    default:
      hint(kiv::linefeed(2) + " " + TooManyWrongCommands[4] + kiv::linefeed(1));
      yapilanhatasayisi = 0;
      namesBetweenHints(RoomCode);
      break;
  }
  return goTo<ShowRoom>(gunceloda, false);
}

}  // namespace

Next komutisteme(int RoomCode) {
  if (!get(stringimiz)) return goTo<menuler>(3, true);
  if (stringimiz == Pockets) return goTo<ShowPocket>(RoomCode);
  return resumePrompt(RoomCode, kSearchContents);
}

Next resumePrompt(int RoomCode, int step) {
  rooms& room = oda[RoomCode];
  if (step <= kSearchContents) {
    for (int slot = 0; slot < 10; ++slot) {
      const int code = room.getContents(slot);
      if (code != 0 && stringimiz == esya[code].getName()) return openObject(RoomCode, code, kSearchLeftItems);
    }
  }
  if (step <= kSearchLeftItems) {
    for (int i = 0; i < room.getNumberOfLeftItems(); ++i) {
      const int code = room.getLeftItem(i);
      if (stringimiz == esya[code].getName()) return openObject(RoomCode, code, kWrongCommand);
    }
  }
  return wrongCommand(RoomCode);
}
