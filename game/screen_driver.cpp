// The loop that runs the screens.
#include "game/screen_driver.h"

#include "game/screens.h"

namespace {
PromptResume g_resume;
}

Next endProgram(int status) {
  Next next;
  next.ends = true;
  next.status = status;
  return next;
}

Next noScreen() { return Next{}; }

void rememberPrompt(RoomCode room, int step) { g_resume = {true, room, step}; }

PromptResume promptToResume() { return g_resume; }

int runScreens(Next next) {
  g_resume = {};
  for (;;) {
    if (next.ends) return next.status;
    if (next.run != nullptr) {
      next = next.run(next.args);
    } else if (g_resume.set) {
      const PromptResume resume = g_resume;
      g_resume = {};
      next = resumePrompt(resume.room, resume.step);
    } else {
      return -1;
    }
  }
}
