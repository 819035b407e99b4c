// Screens hand over to each other by returning the next screen; one loop
// runs them, so a game of any length runs in constant memory.
#pragma once

#include <optional>
#include <tuple>

#include "game/screen_arguments.h"

// Where play goes after a screen: the next screen with its arguments, back
// to the screen that opened this one, or the end of the program.
class Next {
 public:
  // The screen to run when a later screen returns `backToOpener()`; this one
  // still runs first. It stands until a later screen names another.
  Next openingFrom(const Next& opener) const;

 private:
  template <auto Screen>
  friend struct ScreenCall;
  friend Next endProgram(int status);
  friend Next backToOpener();
  friend int runScreens(Next first);

  enum class Kind { Screen, BackToOpener, End };
  struct Call {
    Next (*run)(const ScreenArguments&) = nullptr;
    ScreenArguments arguments;
  };

  Kind kind_ = Kind::End;
  Call call_;
  std::optional<Call> opener_;
  int status_ = 0;
};

// Calls a screen with the arguments it was named with.
template <auto Screen>
struct ScreenCall;
template <class... P, Next (*Screen)(P...)>
struct ScreenCall<Screen> {
  using Arguments = std::tuple<P...>;
  static_assert(IsScreenArgumentList<Arguments>::value, "add this screen's argument list to ScreenArguments");

  static Next run(const ScreenArguments& arguments) { return std::apply(Screen, std::get<Arguments>(arguments)); }
  // Takes exactly the screen's own parameter types: a room code where an
  // object code belongs (or a plain number for either) does not compile.
  static Next make(P... arguments) {
    Next next;
    next.kind_ = Next::Kind::Screen;
    next.call_ = {&run, Arguments(arguments...)};
    return next;
  }
};

// `return goTo<ShowRoom>(room, false);` names the screen that follows.
template <auto Screen, class... A>
Next goTo(A... arguments) {
  return ScreenCall<Screen>::make(arguments...);
}

// The program ends with `status`.
Next endProgram(int status);
// Play goes back to the screen that opened this one (see openingFrom).
Next backToOpener();

// Runs screens from `first` until one ends the program; returns its status.
// If a screen goes back to its opener where none was named, returns -1.
int runScreens(Next first);
