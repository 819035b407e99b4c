// Curses keys to the game's key codes.
#include "kiv/terminal_keys.h"

#include <curses.h>

#include "kiv/codepage.h"
#include "kiv/device.h"

namespace kiv {
namespace {

TypedKey one(int code) { return TypedKey{TypedKey::kCodes, 1, {code, 0}}; }
TypedKey two(int first, int second) { return TypedKey{TypedKey::kCodes, 2, {first, second}}; }

TypedKey fromKeyCode(std::uint32_t value) {
  const auto code = static_cast<int>(value);
  if (code >= KEY_F(1) && code <= KEY_F(10)) return two(key::kFunction, key::kF1 + (code - KEY_F(1)));
  switch (code) {
    case KEY_UP: return two(key::kExtended, key::kUp);
    case KEY_DOWN: return two(key::kExtended, key::kDown);
    case KEY_LEFT: return two(key::kExtended, key::kLeft);
    case KEY_RIGHT: return two(key::kExtended, key::kRight);
    case KEY_HOME: return two(key::kExtended, key::kHome);
    case KEY_END: return two(key::kExtended, key::kEnd);
    case KEY_PPAGE: return two(key::kExtended, key::kPageUp);
    case KEY_NPAGE: return two(key::kExtended, key::kPageDown);
    case KEY_IC: return two(key::kExtended, key::kInsert);
    case KEY_DC: return two(key::kExtended, key::kDelete);
    case KEY_ENTER: return one(key::kEnter);
    case KEY_BACKSPACE: return one(key::kBackspace);
    default: return TypedKey{};  // KEY_RESIZE and keys the game has no code for
  }
}

}  // namespace

TypedKey translateKey(bool isKeyCode, std::uint32_t value) {
  if (isKeyCode) return fromKeyCode(value);
  switch (value) {
    case '\r':
    case '\n':
      return one(key::kEnter);
    case 8:
    case 127:
      return one(key::kBackspace);
    case 3:
      return TypedKey{TypedKey::kInterrupt, 0, {}};
    default:
      break;
  }
  if (value < 0x20) return one(static_cast<int>(value));  // Tab, Esc and the other control keys as they are
  const auto byte = codepage::fromUnicode(static_cast<char32_t>(value));
  if (!byte) return TypedKey{};
  return one(*byte);
}

}  // namespace kiv
