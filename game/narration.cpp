// The typewriter settings every screen of the game shares.
#include "game/narration.h"

#include "kiv/core/kiv_engine.h"

namespace {
const std::string kLead = "   ";
constexpr int kLetterPause = 10;
constexpr int kWrapColumn = 75;
}  // namespace

void narrate(const std::string& text, int finalPause) {
  kiv::yaz(text, true, kLetterPause, finalPause, kLead, kWrapColumn);
}

void show(const std::string& text, int finalPause) { kiv::yaz(text, false, 0, finalPause, kLead, kWrapColumn); }

void reportFileProblem(const std::string& heading, const std::string& problem) {
  show(heading);
  show(problem);
  show("I highly recommend you to download the game again.");
}
