// kiv::yaz's layout and pace, the key prompt and the letter folding.
#include <gtest/gtest.h>

#include "kiv/kiv_engine.h"
#include "kiv/virtual_device.h"

namespace {

class Typewriter : public testing::Test {
 protected:
  void SetUp() override { kiv::attach(dev); }
  static std::string row(int y) { return kiv::rowText(kiv::screen(), y); }
  kiv::VirtualDevice dev;
};

TEST_F(Typewriter, PausesAfterEachLetterButNotAfterTheBlanks) {
  kiv::yaz("ab cd", true, 10, 2000, "   ", 75);
  EXPECT_EQ(row(0), "   ab cd");
  EXPECT_EQ(kiv::getCursorPosX(), 8);
  EXPECT_EQ(dev.sleeps(), (std::vector<int>{10, 10, 10, 10, 2000}));
  EXPECT_FALSE(dev.cursorVisible());
  kiv::yaz("", true, 10, 500, "", 75);  // an empty text still pauses
  EXPECT_EQ(dev.sleeps().back(), 500);
}

struct Layout {
  std::string text;
  int maxchar;
  std::string row0, row1;
};

class YazLayout : public Typewriter, public testing::WithParamInterface<Layout> {};

TEST_P(YazLayout, BreaksLinesBetweenWords) {
  kiv::yaz(GetParam().text, false, 0, 0, "", GetParam().maxchar);
  EXPECT_EQ(row(0), GetParam().row0);
  EXPECT_EQ(row(1), GetParam().row1);
}

INSTANTIATE_TEST_SUITE_P(Typewriter, YazLayout, testing::Values(
    Layout{"aaaaa bbbbb ccccc ddddd", 20, "aaaaa bbbbb ccccc", "  ddddd"},
    Layout{"abcdefghij", 5, "", "  abcdefghij"},           // even first, at column 0
    Layout{"aaaaa bbbbb ccc", 11, "aaaaa bbbbb", "  ccc"},  // ends exactly at maxchar
    Layout{"ab\ncdefghi x", 10, "ab", "cdefghi x"},         // broke its own line: keeps its blank
    Layout{"a  b   c", 75, "a  b   c", ""}));

TEST_F(Typewriter, NoBlankAfterAWordEndingAtMaxchar) {
  kiv::textattr(0x1F);
  kiv::yaz("aaaaa bbbbb", false, 0, 0, "", 11);
  EXPECT_EQ(kiv::screen().at(11, 0).attr, 0x07);  // never written
  EXPECT_EQ(kiv::getCursorPosX(), 11);             // nor stepped back over the last letter
}

TEST_F(Typewriter, AWaitingKeyMakesTheRestAppearAtOnceAndStaysWaiting) {
  dev.pressAt(25, 'q');
  kiv::yaz("abcd efgh ijkl", true, 10, 0, "", 75);
  EXPECT_EQ(row(0), "abcd efgh ijkl");
  EXPECT_EQ(dev.sleeps(), (std::vector<int>{10, 10, 10, 10}));  // the word under way finishes
  EXPECT_EQ(kiv::GetKey(), 'q');
}

TEST_F(Typewriter, PressAnyKeyTakesBothCodesOfATwoCodeKey) {
  for (int first : {kiv::key::kExtended, kiv::key::kFunction}) {
    kiv::Clear();
    for (int code : {first, int{kiv::key::kDown}, int{'z'}}) dev.type(code);
    kiv::PressAnyKeyToContinue("Devam");
    EXPECT_EQ(kiv::find(kiv::screen(), "Devam"), std::make_pair(13, 2));
    EXPECT_EQ(kiv::GetKey(), 'z');
  }
}

TEST(ConvertEN, FoldsTheTwelveTurkishLettersOnly) {
  const std::pair<int, char> table[] = {
      {0x80, 'C'}, {0x81, 'u'}, {0x87, 'c'}, {0x8D, 'i'}, {0x94, 'o'}, {0x98, 'I'}, {0x99, 'O'}, {0x9A, 'U'},
      {0x9E, 'S'}, {0x9F, 's'}, {0xA6, 'G'}, {0xA7, 'g'}, {'I', 'I'}, {0x83, '\x83'}, {0x8C, '\x8C'}, {0x96, '\x96'}};
  for (auto [byte, folded] : table) EXPECT_EQ(kiv::convertEN(static_cast<char>(byte)), folded) << byte;
}

}  // namespace
