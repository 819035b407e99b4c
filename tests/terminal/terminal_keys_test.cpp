// Keys from the terminal arrive as the game's key codes.
#include "kiv/terminal_keys.h"

#include <curses.h>
#include <gtest/gtest.h>

#include <vector>

namespace kiv {
namespace {

std::vector<int> codes(bool isKeyCode, std::uint32_t value) {
  const TypedKey key = translateKey(isKeyCode, value);
  EXPECT_NE(key.kind, TypedKey::kInterrupt);
  return std::vector<int>(key.codes, key.codes + key.count);
}

TEST(TerminalKeys, EditingKeysInEveryFormTheTerminalSends) {
  for (std::uint32_t enter : {U'\r', U'\n'}) EXPECT_EQ(codes(false, enter), std::vector<int>{13});
  EXPECT_EQ(codes(true, KEY_ENTER), std::vector<int>{13});
  for (std::uint32_t backspace : {8u, 127u}) EXPECT_EQ(codes(false, backspace), std::vector<int>{8});
  EXPECT_EQ(codes(true, KEY_BACKSPACE), std::vector<int>{8});
  EXPECT_EQ(codes(false, U'\t'), std::vector<int>{9});
  EXPECT_EQ(codes(false, 27), std::vector<int>{27});
}

TEST(TerminalKeys, ExtendedKeysAre224ThenTheirScanCode) {
  const std::pair<int, int> keys[] = {{KEY_UP, 72},   {KEY_DOWN, 80},  {KEY_LEFT, 75},  {KEY_RIGHT, 77},
                                      {KEY_HOME, 71}, {KEY_END, 79},   {KEY_PPAGE, 73}, {KEY_NPAGE, 81},
                                      {KEY_IC, 82},   {KEY_DC, 83}};
  for (const auto& [curses, scan] : keys)
    EXPECT_EQ(codes(true, static_cast<std::uint32_t>(curses)), (std::vector<int>{224, scan})) << curses;
}

TEST(TerminalKeys, FunctionKeysAreZeroThen59To68) {
  for (int n = 1; n <= 10; ++n)
    EXPECT_EQ(codes(true, static_cast<std::uint32_t>(KEY_F(n))), (std::vector<int>{0, 58 + n})) << n;
  EXPECT_TRUE(codes(true, static_cast<std::uint32_t>(KEY_F(11))).empty());
  EXPECT_TRUE(codes(true, KEY_RESIZE).empty()) << "a resize is no key";
}

TEST(TerminalKeys, TypedCharactersBecomeTheirCodePageByte) {
  EXPECT_EQ(codes(false, U'a'), std::vector<int>{'a'});
  EXPECT_EQ(codes(false, U' '), std::vector<int>{32});
  EXPECT_EQ(codes(false, U'ş'), std::vector<int>{0x9F});
  EXPECT_EQ(codes(false, U'İ'), std::vector<int>{0x98});
  EXPECT_EQ(codes(false, U'ı'), std::vector<int>{0x8D});
  EXPECT_EQ(codes(false, U'Ğ'), std::vector<int>{0xA6});
  EXPECT_TRUE(codes(false, U'€').empty()) << "no byte: dropped";
  EXPECT_TRUE(codes(false, U'☺').empty()) << "a control glyph is never typed";
}

TEST(TerminalKeys, CtrlCAsksToLeave) {
  EXPECT_EQ(translateKey(false, 3).kind, TypedKey::kInterrupt);
  EXPECT_EQ(translateKey(false, 3).count, 0);
}

}  // namespace
}  // namespace kiv
