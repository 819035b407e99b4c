// The button menu: its keys, its layout and its colours.
#include "game/menu.h"

#include <gtest/gtest.h>

#include "unit_support.h"

namespace {

using namespace kiv::key;
constexpr int U = 1000 + kUp, D = 1000 + kDown, L = 1000 + kLeft, R = 1000 + kRight;  // two-code arrows

struct Choice {
  bool vertical;
  std::vector<int> keys;
  int chosen;
};

class MenuKeys : public testing::TestWithParam<Choice> {};

TEST_P(MenuKeys, ChooseAButton) {
  kiv::VirtualDevice dev;
  kiv::attach(dev);
  for (int key : GetParam().keys) key >= 1000 ? dev.typeArrow(key - 1000) : dev.type(key);
  menu m;
  m.initialize(GetParam().vertical, 0x02, 0x0E);
  for (int i = 0; i < 3; ++i) m.add_button("B" + std::to_string(i), 10 * i, 5 + i);
  EXPECT_EQ(m.draw(), GetParam().chosen);
  EXPECT_EQ(dev.keysLeft(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Menu, MenuKeys, testing::Values(
    Choice{true, {D, D, D, kEnter}, 3}, Choice{true, {U, kEnter}, 1},  // no wrap at either end
    Choice{true, {D, U, U, D, kSpace}, 2}, Choice{true, {R, R, L, kEnter}, 1},
    Choice{false, {R, R, R, kEnter}, 3}, Choice{false, {L, R, kEnter}, 2}, Choice{false, {D, D, U, kEnter}, 1},
    Choice{true, {'P', 'P', 'H', kEnter}, 2}, Choice{false, {'M', 'M', 'K', kEnter}, 2},  // scan codes as letters
    Choice{true, {'p', 'x', kTab, kEnter}, 1}, Choice{true, {D, D, kEscape}, 0}));

class Menu : public testing::Test {
 protected:
  void SetUp() override { kiv::attach(dev); }
  kiv::VirtualDevice dev;
  menu m;
};

TEST_F(Menu, DrawsLabelsInTheirColoursAndLeavesTheCursorAtTheTop) {
  m.initialize(true, 0x02, 0x05);
  m.add_button("ONE", 60, 6);
  m.add_button("TWO", 60, 10);
  m.add_button("", 60, 14);  // an empty name still takes a slot
  dev.typeArrow(kDown);
  dev.type(kEnter);
  kiv::ShowConsoleCursor(0);
  EXPECT_EQ(m.draw(), 2);
  EXPECT_EQ(kiv::rowText(kiv::screen(), 6), std::string(60, ' ') + "  ONE");
  for (int x = 60; x < 68; ++x) {
    EXPECT_EQ(kiv::screen().at(x, 6).attr, x < 67 ? 0x05 : 0x07);  // "  ONE  ", left by the selection
    EXPECT_EQ(kiv::screen().at(x, 10).attr, x < 67 ? 0x02 : 0x07);
    EXPECT_EQ(kiv::screen().at(x, 14).attr, x < 64 ? 0x0E : 0x07);  // four blanks, never selected
  }
  EXPECT_EQ(std::pair(kiv::getCursorPosX(), kiv::getCursorPosY()), std::pair(10, 1));
  EXPECT_TRUE(dev.cursorVisible());
  EXPECT_EQ(kiv::screen().attribute(), 0x02);
}

TEST_F(Menu, AKeyWaitingFromEarlierIsTheFirstKeyAndASixthButtonIsIgnored) {
  m.initialize(false, 0x02, 0x0E);
  for (int i = 0; i < 6; ++i) m.add_button(std::string(1, static_cast<char>('A' + i)), 10 * i, 3);
  dev.pressAt(0, kEnter);
  EXPECT_EQ(m.draw(), 1);
  for (int i = 0; i < 6; ++i) dev.typeArrow(kRight);
  dev.type(kEnter);
  EXPECT_EQ(m.draw(), 5);
  EXPECT_EQ(kiv::rowText(kiv::screen(), 3).find('F'), std::string::npos);
}

}  // namespace
