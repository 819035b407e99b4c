// The button menu: its keys, its layout and its colours.
#include "game/menu.h"

#include "game_unit.h"

namespace {

using namespace kiv::key;
constexpr int U = 1000 + kUp, D = 1000 + kDown, L = 1000 + kLeft, R = 1000 + kRight;  // two-code arrows

class Menu : public GameUnit {
 protected:
  void type(const std::vector<int>& keys) {
    for (int key : keys) key >= 1000 ? dev.typeArrow(key - 1000) : dev.type(key);
  }
  menu m;
};

TEST_F(Menu, ArrowsAlongItsDirectionMoveWithoutWrappingAndEnterSpaceOrEscChoose) {
  const struct {
    bool vertical;
    std::vector<int> keys;
    int chosen;
  } choices[] = {{true, {D, D, D, kEnter}, 3},        {true, {U, kEnter}, 1},
                 {false, {R, R, R, kEnter}, 3},       {false, {L, R, kEnter}, 2},
                 {true, {D, U, U, D, kSpace}, 2},     {true, {D, D, kEscape}, 0},
                 {true, {R, R, L, kEnter}, 1},        {false, {D, D, U, kEnter}, 1},
                 {true, {'p', 'x', kTab, kEnter}, 1}, {true, {'P', 'P', 'H', kEnter}, 2},
                 {false, {'M', 'M', 'K', kEnter}, 2}};  // scan codes typed as letters
  for (const auto& [vertical, keys, chosen] : choices) {
    type(keys);
    m.initialize(vertical, 0x02, 0x0E);
    for (int i = 0; i < 3; ++i) m.add_button("B" + std::to_string(i), 10 * i, 5 + i);
    EXPECT_EQ(m.draw(), chosen) << testing::PrintToString(keys);
    EXPECT_EQ(dev.keysLeft(), 0u) << testing::PrintToString(keys);
  }
}

TEST_F(Menu, DrawsPaddedLabelsAndLeavesTheCursorShownAtTheTopInTheSelectedColour) {
  m.initialize(true, 0x02, 0x05);
  m.add_button("ONE", 60, 6);
  m.add_button("", 60, 10);  // an empty name still takes a slot
  type({D, kEnter});
  kiv::ShowConsoleCursor(0);
  EXPECT_EQ(m.draw(), 2);
  for (int x = 59; x < 68; ++x)  // "  ONE  " in the colour the selection left it; "    " selected
    EXPECT_EQ(std::tuple(kiv::screen().at(x, 6).attr, kiv::screen().at(x, 10).attr),
              std::tuple(x >= 60 && x < 67 ? 0x05 : 0x07, x >= 60 && x < 64 ? 0x02 : 0x07))
        << x;
  EXPECT_EQ(std::tuple(kiv::getCursorPosX(), kiv::getCursorPosY(), dev.cursorVisible(), kiv::screen().attribute()),
            std::tuple(10, 1, true, 0x02));
}

TEST_F(Menu, AKeyWaitingFromEarlierIsTheFirstKeyAndASixthButtonIsIgnored) {
  m.initialize(false, 0x02, 0x0E);
  for (int i = 0; i < 6; ++i) m.add_button(std::string(1, static_cast<char>('A' + i)), 10 * i, 3);
  dev.pressAt(0, kEnter);
  EXPECT_EQ(m.draw(), 1);
  type({R, R, R, R, R, R, kEnter});
  EXPECT_EQ(m.draw(), 5);
  EXPECT_EQ(kiv::rowText(kiv::screen(), 3).find('F'), std::string::npos);
}

}  // namespace
