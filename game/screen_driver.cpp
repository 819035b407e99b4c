// The loop that runs the screens.
#include "game/screen_driver.h"

Next Next::openingFrom(const Next& opener) const {
  Next next = *this;
  next.opener_ = opener.call_;
  return next;
}

Next endProgram(int status) {
  Next next;
  next.status_ = status;
  return next;
}

Next backToOpener() {
  Next next;
  next.kind_ = Next::Kind::BackToOpener;
  return next;
}

int runScreens(Next next) {
  std::optional<Next::Call> opener;
  for (;;) {
    if (next.opener_) opener = next.opener_;
    switch (next.kind_) {
      case Next::Kind::End:
        return next.status_;
      case Next::Kind::Screen:
        next = next.call_.run(next.call_.arguments);
        break;
      case Next::Kind::BackToOpener: {
        if (!opener) return -1;
        const Next::Call call = *opener;
        opener.reset();
        next = call.run(call.arguments);
        break;
      }
    }
  }
}
