// kiv::yaz's layout and pace (the key prompt: recordings/rules/holding.rec).
#include <gtest/gtest.h>

#include "kiv/core/kiv_engine.h"
#include "kiv/virtual/virtual_device.h"

namespace {

class Typewriter : public testing::Test {
 protected:
  void SetUp() override { kiv::attach(dev); }
  static std::string row(int y) { return kiv::rowText(kiv::screen(), y); }
  kiv::VirtualDevice dev;
};

TEST_F(Typewriter, BreaksLinesBetweenWordsAndEndsOnTheBlankAfterTheLastOne) {
  // Rows 0 and 1 with a '|' written where the typewriter left the cursor.
  const struct {
    std::string text;
    int maxchar;
    std::string row0, row1;
  } layouts[] = {{"aaaaa bbbbb ccccc ddddd", 20, "aaaaa bbbbb ccccc", "  ddddd|"},
                 {"abcdefghij", 5, "", "  abcdefghij|"},            // too long: breaks even at column 0
                 {"aaaaa bbbbb ccc", 11, "aaaaa bbbbb", "  ccc|"},  // ends exactly at maxchar
                 {"aaaaa bbbbb", 11, "aaaaa bbbbb|", ""},           // no blank to step back onto
                 {"ab\ncdefghi x", 10, "ab", "cdefghi x|"},         // broke its own line: keeps its blank
                 {"a  b   c", 75, "a  b   c|", ""}};
  for (const auto& [text, maxchar, row0, row1] : layouts) {
    kiv::attach(dev);
    kiv::textattr(0x1F);  // a blank written past the last word would show in this colour
    kiv::yaz(text, false, 0, 0, "", maxchar);
    const int atMaxchar = kiv::screen().at(maxchar, 0).attr;
    kiv::screen().write("|");
    EXPECT_EQ(std::tuple(row(0), row(1), atMaxchar), std::tuple(row0, row1, 0x07)) << text;
  }
}

TEST_F(Typewriter, PausesAfterEachLetterUntilAKeyWaitsThenWritesTheRestAtOnce) {
  dev.pressAt(55, 'q');
  kiv::yaz("ab cd efgh ijkl", true, 10, 2000, "   ", 75);
  EXPECT_EQ(std::pair(row(0), dev.cursorVisible()), std::pair(std::string("   ab cd efgh ijkl"), false));
  // No pause for a blank; the word under way when the key came finishes at its pace.
  EXPECT_EQ(dev.sleeps(), (std::vector<int>{10, 10, 10, 10, 10, 10, 10, 10, 2000}));
  EXPECT_EQ(kiv::GetKey(), 'q');        // and stays for the next reader
  kiv::yaz("", true, 10, 500, "", 75);  // an empty text still pauses
  EXPECT_EQ(dev.sleeps().back(), 500);
}

}  // namespace
