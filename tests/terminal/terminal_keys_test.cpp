// Keys from the terminal arrive as the game's key codes.
#include "kiv/terminal_keys.h"

#include <curses.h>
#include <gtest/gtest.h>

#include <vector>

namespace kiv {
namespace {

TEST(TerminalKeys, EachKeyInEveryFormTheTerminalSendsBecomesTheGamesCodes) {
  // Curses key codes (true) or typed characters (false), and the codes the game reads.
  const struct { bool isKeyCode; std::uint32_t value; std::vector<int> codes; } keys[] = {
      {false, U'\r', {13}}, {false, U'\n', {13}}, {true, KEY_ENTER, {13}}, {false, 8, {8}}, {false, 127, {8}},
      {true, KEY_BACKSPACE, {8}}, {false, U'\t', {9}}, {false, 27, {27}},
      {true, KEY_UP, {224, 72}}, {true, KEY_DOWN, {224, 80}}, {true, KEY_LEFT, {224, 75}}, {true, KEY_HOME, {224, 71}},
      {true, KEY_RIGHT, {224, 77}}, {true, KEY_END, {224, 79}}, {true, KEY_PPAGE, {224, 73}}, {true, KEY_IC, {224, 82}},
      {true, KEY_NPAGE, {224, 81}}, {true, KEY_DC, {224, 83}}, {true, KEY_F(1), {0, 59}}, {true, KEY_F(10), {0, 68}},
      {true, KEY_F(11), {}}, {true, KEY_RESIZE, {}},  // no key for the game
      {false, U'a', {'a'}}, {false, U' ', {32}}, {false, U'ş', {0x9F}}, {false, U'İ', {0x98}}, {false, U'Ğ', {0xA6}},
      {false, U'€', {}}, {false, U'☺', {}}};  // no byte: dropped; a control glyph is never typed
  for (const auto& [isKeyCode, value, codes] : keys) {
    const TypedKey key = translateKey(isKeyCode, value);
    EXPECT_EQ(std::vector<int>(key.codes, key.codes + key.count), codes) << value;
    EXPECT_EQ(key.kind, codes.empty() ? TypedKey::kIgnored : TypedKey::kCodes) << value;
  }
  EXPECT_EQ(std::pair(translateKey(false, 3).kind, translateKey(false, 3).count), std::pair(TypedKey::kInterrupt, 0));
}

}  // namespace
}  // namespace kiv
