// Compiled twice by the tests: as it stands it must compile; with SWAPPED,
// where a room code and an object code trade places, it must not.
#include "game/screens.h"

Next openMirror(RoomCode room, ObjectCode mirror) {
#ifdef SWAPPED
  return goTo<ShowObject>(mirror, room, true, true);
#else
  return goTo<ShowObject>(room, mirror, true, true);
#endif
}
