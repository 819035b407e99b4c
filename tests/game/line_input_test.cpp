// The one-word line editor.
#include "game/line_input.h"

#include <gtest/gtest.h>

#include "game/game_state.h"
#include "unit_support.h"

namespace {

using namespace kiv::key;

class LineInput : public testing::Test {
 protected:
  void SetUp() override {
    kiv::attach(dev);
    resetGameState();
    Order = "Komut";
    kiv::SetCursorPosition(0, 3);
  }
  // Types `keys`, then Enter; the word read.
  std::string read(const std::vector<int>& keys) {
    for (int key : keys) key >= 1000 ? dev.typeArrow(key - 1000) : dev.type(key);
    dev.type(kEnter);
    EXPECT_TRUE(get(line));
    return line;
  }
  // What the typing shows: the label stands two rows down, typing from column 33.
  static std::string echo() { return kiv::rowText(kiv::screen(), 5).substr(33); }
  kiv::VirtualDevice dev;
  std::string line = "old";
};

TEST_F(LineInput, WritesTheLabelTwoRowsDownAndStoresUpperCase) {
  EXPECT_EQ(read({'a', 'b', '1', '?', '-'}), "AB1?-");
  EXPECT_EQ(kiv::rowText(kiv::screen(), 5), std::string(25, ' ') + "Komut : ab1?-");
  EXPECT_EQ(kiv::rowText(kiv::screen(), 4), "");
  EXPECT_FALSE(dev.cursorVisible());
  EXPECT_EQ(read({}), "");
  EXPECT_THROW(get(line), kiv::ScriptEnded);  // waiting for a key: the cursor shows
  EXPECT_TRUE(dev.cursorVisible());
}

TEST_F(LineInput, TurkishLettersShowAsTypedAndAreStoredFolded) {
  EXPECT_EQ(read({0x80, 0x81, 0x87, 0x8D, 0x94, 0x98, 0x99, 0x9A, 0x9E, 0x9F, 0xA6, 0xA7}), "CUCIOIOUSSGG");
  EXPECT_EQ(echo(), "\x80\x81\x87\x8D\x94\x98\x99\x9A\x9E\x9F\xA6\xA7");
}

TEST_F(LineInput, BlanksTabsControlKeysArrowsAndOtherHighBytesTypeNothing) {
  EXPECT_EQ(read({kSpace, kTab, 1, 31, 127, 0x83, 0xFE, 1000 + kUp, 1000 + kLeft, kFunction, kF1, 'x'}), "X");
  EXPECT_EQ(echo(), "x");
  EXPECT_TRUE(dev.beeps().empty());
}

TEST_F(LineInput, BackspaceRemovesOneLetterAndBeepsOnAnEmptyLine) {
  EXPECT_EQ(read({'a', 0x9F, kBackspace, kBackspace, kBackspace, kBackspace, 'c'}), "C");
  EXPECT_EQ(echo(), "c");
  EXPECT_EQ(dev.beeps().size(), 2u);
}

TEST_F(LineInput, EscapeKeepsWhatWasTyped) {
  dev.type("ab");
  dev.type(kEscape);
  EXPECT_FALSE(get(line));
  EXPECT_EQ(line, "AB");
  EXPECT_EQ(std::pair(kiv::getCursorPosX(), kiv::getCursorPosY()), std::pair(10, 1));
  EXPECT_FALSE(dev.cursorVisible());
}

}  // namespace
