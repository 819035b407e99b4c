// Lines the player types in plain play, turned into the keys the game reads.
#pragma once

#include <deque>
#include <string>

namespace kiv::plain {

// What the game waits for when it reads a key.
struct Waiting {
  enum class For { AnyKey, Word, Menu };
  For what = For::AnyKey;
  int buttons = 0;        // a menu's
  int selected = 0;       // a menu's selected button, from 0
  bool vertical = false;  // a menu moved with Up and Down (else Left and Right)
};

// The device codes (two-code keys with their first code marked) for one line
// typed while the game waits for `waiting`, the line's end taken off:
// - a line of Esc alone: Esc;
// - in a menu: a button's number chooses it (arrows to it, then Enter); an
//   empty line chooses the selected one; a line of arrows alone (as
//   terminals send them) moves the selection; anything else is no key;
// - at the prompt: the line's characters (their code page 857 bytes; those
//   without one, and Esc, are dropped), then Enter;
// - anything else: Enter.
std::deque<int> keysForLine(const std::string& utf8Line, const Waiting& waiting);

}  // namespace kiv::plain
