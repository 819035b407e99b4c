// Typed lines as the game's keys in plain play.
#include "kiv/plain/plain_input.h"

#include <gtest/gtest.h>

namespace {

using kiv::plain::keysForLine;
using kiv::plain::Waiting;
using Keys = std::deque<int>;

constexpr int kArrow = 0x1E0;  // 224 marked as the first of two codes
const Waiting kColumnMenu{Waiting::For::Menu, 3, 0, true};
const Waiting kRowMenuOnThird{Waiting::For::Menu, 3, 2, false};
const Waiting kPrompt{Waiting::For::Word};
const Waiting kAnyKey{};

TEST(PlainInput, TurnsEachLineIntoTheKeysOfWhatTheGameWaitsFor) {
  const struct {
    const char* line;
    const Waiting& waiting;
    Keys keys;
  } cases[] = {
      {"3", kColumnMenu, {kArrow, 80, kArrow, 80, 13}},        // down twice, then Enter
      {" 1 ", kRowMenuOnThird, {kArrow, 75, kArrow, 75, 13}},  // left twice
      {"3", kRowMenuOnThird, {13}},                            // the selected one
      {"", kColumnMenu, {13}},
      {"4", kColumnMenu, {}},  // no such button: no key
      {"0", kColumnMenu, {}},
      {"2x", kColumnMenu, {}},
      {"EVET", kColumnMenu, {}},
      {"\x1b[B", kColumnMenu, {kArrow, 80}},  // arrows alone move, choose nothing
      {"\x1bOA\x1b[1;5D", kColumnMenu, {kArrow, 72, kArrow, 75}},
      {"\x1b", kColumnMenu, {27}},
      {"saat", kPrompt, {'s', 'a', 'a', 't', 13}},
      {"çİĞ\r", kPrompt, {0x87, 0x98, 0xA6, 13}},  // Turkish letters as code page 857 bytes
      {"a€b", kPrompt, {'a', 'b', 13}},            // no byte: dropped
      {"AB\x1b", kPrompt, {'A', 'B', 13}},         // an Esc amid a word is dropped
      {"\x1b", kPrompt, {27}},
      {"", kPrompt, {13}},
      {"a\x1b[Cb", kPrompt, {'a', kArrow, 77, 'b', 13}},
      {"whatever", kAnyKey, {13}},  // one key, none left over for the next screen
      {"\x1b[A\x1b[A", kAnyKey, {13}},
      {"\x1b", kAnyKey, {27}},
  };
  for (const auto& [line, waiting, keys] : cases) EXPECT_EQ(keysForLine(line, waiting), keys) << line;
}

}  // namespace
