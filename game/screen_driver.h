// Screens hand over to each other by returning the next screen; one loop
// runs them, so a game of any length runs in constant memory.
#pragma once

#include <cstddef>
#include <utility>

#include "game/codes.h"

// The next screen to run, with its arguments; or the end of the program;
// or no screen at all, which resumes the command prompt that came last.
struct Next {
  Next (*run)(const int* args) = nullptr;
  int args[4] = {};
  bool ends = false;
  int status = 0;
};

namespace screen_driver_detail {
template <auto Screen>
struct Call;
template <class... P, Next (*Screen)(P...)>
struct Call<Screen> {
  static_assert(sizeof...(P) <= 4, "a screen takes at most four arguments");
  static Next run(const int* args) { return invoke(args, std::index_sequence_for<P...>{}); }
  template <std::size_t... I>
  static Next invoke(const int* args, std::index_sequence<I...>) {
    return Screen(static_cast<P>(args[I])...);
  }
  // Takes exactly the screen's own parameter types: a room code where an
  // object code belongs (or a plain number for either) does not compile.
  static Next make(P... args) {
    Next next;
    next.run = &run;
    const int values[] = {static_cast<int>(args)..., 0};
    for (std::size_t i = 0; i < sizeof...(P); ++i) next.args[i] = values[i];
    return next;
  }
};
}  // namespace screen_driver_detail

// `return goTo<ShowRoom>(room, false);` names the screen that follows.
template <auto Screen, class... A>
Next goTo(A... args) {
  return screen_driver_detail::Call<Screen>::make(args...);
}

// The program ends with `status`.
Next endProgram(int status);
// No next screen: the command prompt that came last resumes.
Next noScreen();

// Where the command prompt that came last goes on if a screen after it
// names no next screen: the room it stands under, and the step of its
// search to resume with.
struct PromptResume {
  bool set = false;
  RoomCode room = kNoRoom;
  int step = 0;
};
void rememberPrompt(RoomCode room, int step);
PromptResume promptToResume();

// Runs screens from `first` until one ends the program; returns its status.
// If a screen names no next screen and no prompt can resume, returns -1.
int runScreens(Next first);
