// The one-word line editor.
#include "game/line_input.h"

#include <clocale>

#include "game_unit.h"

namespace {

using namespace kiv::key;

class LineInput : public GameUnit {
 protected:
  void SetUp() override {
    Order = "Komut";
    kiv::SetCursorPosition(0, 3);
  }
  // Types `keys` (1000 + a scan code for an arrow, 2000 + one for a
  // function key), then Enter; the word read.
  std::string read(const std::vector<int>& keys) {
    for (int key : keys) {
      if (key >= 2000)
        dev.typeTwoCodes(kFunction, key - 2000);
      else if (key >= 1000)
        dev.typeArrow(key - 1000);
      else
        dev.type(key);
    }
    dev.type(kEnter);
    EXPECT_TRUE(get(line));
    return line;
  }
  // What the typing shows on the label's row, from column 33.
  static std::string echo() { return kiv::rowText(kiv::screen(), kiv::getCursorPosY()).substr(33); }
  std::string line = "old";
};

TEST_F(LineInput, StoresUpperCaseAndShowsTheCursorOnlyWhileWaiting) {
  EXPECT_EQ(read({'a', 'b', '1', '?', '-'}), "AB1?-");  // Turkish letters: recordings/rules/passages.rec
  EXPECT_FALSE(dev.cursorVisible());
  EXPECT_EQ(read({}), "");
  EXPECT_THROW(get(line), kiv::ScriptEnded);  // waiting for a key: the cursor shows
  EXPECT_TRUE(dev.cursorVisible());
}

TEST_F(LineInput, ALetterWithTheExtendedKeysByteIsNoArrowAndTakesNoKeyWithIt) {
  EXPECT_EQ(read({0xE0, 'S', 'A', 'L', 'T', 'E', 'R'}), "SALTER");  // Ó: not a Latin letter
  EXPECT_EQ(read({'a', 0xE0, 1000 + kUp, 'b'}), "AB");
}

TEST_F(LineInput, StoresTheSameCapitalsInATurkishLocale) {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "tr_TR.UTF-8"), nullptr) << "the test setup makes this locale";
  const std::string word = read({'k', 'a', 'p', 0x8D, 'h', 'a', 'z', 'i', 'r', 'i', 'm'});
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_EQ(word, "KAPIHAZIRIM");
}

TEST_F(LineInput, BlanksControlKeysArrowsAndOtherHighBytesTypeNothingBackspaceTakesOneBackEscKeepsTheWord) {
  EXPECT_EQ(read({kSpace, kTab, 1, 31, 127, 0x83, 0xFE, 1000 + kUp, 1000 + kLeft, 2000 + kF1, 'x'}), "X");
  EXPECT_EQ(echo(), "x");
  EXPECT_TRUE(dev.beeps().empty());
  EXPECT_EQ(read({'a', 0x9F, kBackspace, kBackspace, kBackspace, kBackspace, 'c'}), "C");
  EXPECT_EQ(echo(), "c");
  EXPECT_EQ(dev.beeps().size(), 2u);  // one for each Backspace on an empty line
  dev.type("ab");
  dev.type(kEscape);
  EXPECT_FALSE(get(line));
  EXPECT_EQ(line, "AB");
  EXPECT_EQ(std::tuple(kiv::getCursorPosX(), kiv::getCursorPosY(), dev.cursorVisible()), std::tuple(10, 1, false));
}

}  // namespace
