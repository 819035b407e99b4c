// The command prompt under every room: the pockets word, an object's name,
// or a wrong command with its cycle of hints.
#include <string>

#include "game/game_state.h"
#include "game/line_input.h"
#include "game/narration.h"
#include "game/screens.h"
#include "kiv/core/kiv_engine.h"

namespace {

void hint(const std::string& text) { narrate(text, 500); }

void namesBetweenHints(RoomCode room) {
  hint(kiv::linefeed(1) + " " + TooManyWrongCommands[2] + esyaisimsirala(room) + TooManyWrongCommands[3] +
       kiv::linefeed(1));
}

// The object's screen; if a screen after it goes back to its opener, the
// search for the word goes on at `resumeWith`.
Next openObject(RoomCode room, ObjectCode object, PromptStep resumeWith) {
  yapilanhatasayisi = 0;
  return goTo<ShowObject>(room, object, true, true).openingFrom(goTo<resumePrompt>(room, resumeWith));
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
  if (!get(stringimiz)) return goTo<menuler>(TitleScreen::Exit, true);
  if (stringimiz == Pockets) return goTo<ShowPocket>(room);
  return resumePrompt(room, PromptStep::Contents);
}

Next resumePrompt(RoomCode code, PromptStep step) {
  rooms& room = oda[code];
  if (step == PromptStep::Contents) {
    for (int slot = 0; slot < kContentSlots; ++slot) {
      const ObjectCode object = room.getContents(slot);
      if (object != kNoObject && stringimiz == esya[object].getName())
        return openObject(code, object, PromptStep::LeftItems);
    }
  }
  if (step != PromptStep::WrongCommand) {
    for (int i = 0; i < room.getNumberOfLeftItems(); ++i) {
      const ObjectCode object = room.getLeftItem(i);
      if (stringimiz == esya[object].getName()) return openObject(code, object, PromptStep::WrongCommand);
    }
  }
  return wrongCommand(code);
}
