// The game's key codes, and the one table of the keys that have a name: what
// recordings and the browser call them and the codes the game reads for them.
#pragma once

#include <deque>
#include <string_view>

namespace kiv::key {

// A character's code page 857 byte, or for an extended key two codes in a
// row: kExtended (224) or kFunction (0), then the key's scan code.
constexpr int kFunction = 0;
constexpr int kExtended = 224;
constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kUp = 72;
constexpr int kDown = 80;
constexpr int kLeft = 75;
constexpr int kRight = 77;
constexpr int kHome = 71;
constexpr int kEnd = 79;
constexpr int kPageUp = 73;
constexpr int kPageDown = 81;
constexpr int kInsert = 82;
constexpr int kDelete = 83;
constexpr int kF1 = 59;  // F1 to F10 are 59 to 68 after kFunction

// A device hands on the first code of a two-code key with this mark added,
// so that an arrow's 224 is told apart from the typed letter Ó, whose byte is
// also 224. The console takes the mark off before the game sees the code.
constexpr int kSecondCodeFollows = 0x100;
constexpr int markedFirst(int first) { return first | kSecondCodeFollows; }
// True for a device's code that starts a two-code key.
constexpr bool startsTwoCodeKey(int deviceCode) { return (deviceCode & kSecondCodeFollows) != 0; }
// The code the game reads for a device's code.
constexpr int gameCode(int deviceCode) { return deviceCode & ~kSecondCodeFollows; }

// A device's codes that move a menu's selection from button `selected` to
// `button` (Down or Right forward, Up or Left back, as the menu is
// `vertical`), then choose it with Enter.
inline std::deque<int> codesToChoose(int selected, int button, bool vertical) {
  std::deque<int> codes;
  const int arrow = button > selected ? (vertical ? kDown : kRight) : (vertical ? kUp : kLeft);
  for (int at = selected; at != button; at += button > selected ? 1 : -1) {
    codes.push_back(markedFirst(kExtended));
    codes.push_back(arrow);
  }
  codes.push_back(kEnter);
  return codes;
}

struct NamedKey {
  std::string_view name;         // in recordings
  std::string_view browserName;  // KeyboardEvent.key
  int first;
  int second;  // -1 for a one-code key
};

inline constexpr NamedKey kNamedKeys[] = {
    {"Enter", "Enter", kEnter, -1},
    {"Esc", "Escape", kEscape, -1},
    {"Tab", "Tab", kTab, -1},
    {"Backspace", "Backspace", kBackspace, -1},
    {"Space", " ", kSpace, -1},
    {"Up", "ArrowUp", kExtended, kUp},
    {"Down", "ArrowDown", kExtended, kDown},
    {"Left", "ArrowLeft", kExtended, kLeft},
    {"Right", "ArrowRight", kExtended, kRight},
    {"Home", "Home", kExtended, kHome},
    {"End", "End", kExtended, kEnd},
    {"PgUp", "PageUp", kExtended, kPageUp},
    {"PgDn", "PageDown", kExtended, kPageDown},
    {"Ins", "Insert", kExtended, kInsert},
    {"Del", "Delete", kExtended, kDelete},
    {"F1", "F1", kFunction, kF1},
    {"F2", "F2", kFunction, kF1 + 1},
    {"F3", "F3", kFunction, kF1 + 2},
    {"F4", "F4", kFunction, kF1 + 3},
    {"F5", "F5", kFunction, kF1 + 4},
    {"F6", "F6", kFunction, kF1 + 5},
    {"F7", "F7", kFunction, kF1 + 6},
    {"F8", "F8", kFunction, kF1 + 7},
    {"F9", "F9", kFunction, kF1 + 8},
    {"F10", "F10", kFunction, kF1 + 9},
};

// The key recordings call `name`, or nullptr.
constexpr const NamedKey* byName(std::string_view name) {
  for (const NamedKey& named : kNamedKeys)
    if (named.name == name) return &named;
  return nullptr;
}

// The key the browser calls `browserName`, or nullptr.
constexpr const NamedKey* byBrowserName(std::string_view browserName) {
  for (const NamedKey& named : kNamedKeys)
    if (named.browserName == browserName) return &named;
  return nullptr;
}

// The key whose codes are `first` and `second` (-1 for a one-code key), or nullptr.
constexpr const NamedKey* byCodes(int first, int second) {
  for (const NamedKey& named : kNamedKeys)
    if (named.first == first && named.second == second) return &named;
  return nullptr;
}

}  // namespace kiv::key
