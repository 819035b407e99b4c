// The three fixed pictures: what an edit of their strokes must not break.
#include "game/pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "kiv/kiv_engine.h"
#include "kiv/virtual_device.h"

namespace {

template <std::size_t N>
std::vector<std::string> rowsOf(const std::array<const char*, N>& picture) {
  return std::vector<std::string>(picture.begin(), picture.end());
}

template <std::size_t N>
void expectWidths(const std::array<const char*, N>& picture, const std::array<int, N>& widths) {
  for (std::size_t row = 0; row < N; ++row)
    EXPECT_EQ(static_cast<int>(std::strlen(picture[row])), widths[row]) << "row " << row + 1;
}

// The word starting at `column` of `row`, up to the next blank; the cell
// before it must be a blank (or the row's start) so that it stands alone.
std::string pieceAt(const std::string& row, std::size_t column) {
  if (column > 0 && row.at(column - 1) != ' ') return "<joined to a stroke>";
  const std::size_t end = row.find(' ', column);
  return row.substr(column, end == std::string::npos ? std::string::npos : end - column);
}

int lastStrokeColumn(const std::string& row) { return static_cast<int>(row.find_last_not_of(' ')); }
int leadingBlanks(const std::string& row) { return static_cast<int>(row.find_first_not_of(' ')); }

// Writes `text` the way the screens write pictures (at once, wrapping before
// column 75) on a fresh virtual console and returns rows 0 to `rows` − 1,
// trailing blanks cut.
std::vector<std::string> typewritten(const std::string& text, const std::string& lead, int rows) {
  kiv::VirtualDevice device;
  kiv::attach(device);
  kiv::yaz(text, false, 0, 0, lead, 75);
  std::vector<std::string> shown;
  for (int row = 0; row < rows; ++row) shown.push_back(kiv::rowText(kiv::screen(), row));
  return shown;
}

std::string withoutTrailingBlanks(std::string row) {
  row.erase(row.find_last_not_of(' ') + 1);
  return row;
}

TEST(Pictures, EveryRowHasItsFixedWidth) {
  expectWidths(kTitlePicture, {52, 52, 52, 52, 52, 51, 51, 51, 51, 50, 50, 50, 49, 49, 50, 50, 52, 52, 52, 52, 51,
                               40, 50, 51});
  expectWidths(kOpeningPicture, {34, 32, 33, 33, 33, 32, 33, 33, 33, 33, 34, 34, 33, 33, 32, 32, 32, 34, 34, 34,
                                 29, 29, 27, 26, 25, 24});
  expectWidths(kPocketPicture, {15, 15, 14, 14, 14, 15, 16, 17, 18, 16, 17, 16, 16, 17, 29, 29});
}

TEST(Pictures, HoldOnlyPrintableBytesAndTheShades) {
  auto check = [](const std::vector<std::string>& rows, const char* name) {
    for (std::size_t row = 0; row < rows.size(); ++row)
      for (unsigned char byte : rows[row]) {
        const bool ascii = byte >= 0x20 && byte <= 0x7E;
        const bool shade = byte == 0xB0 || byte == 0xB1 || byte == 0xB2 || byte == 0xDB;
        EXPECT_TRUE(ascii || shade) << name << " row " << row + 1 << " holds byte " << int{byte};
      }
  };
  check(rowsOf(kTitlePicture), "title");
  check(rowsOf(kOpeningPicture), "opening");
  check(rowsOf(kPocketPicture), "pockets");
}

TEST(TitlePicture, SpellsTheGamesNameInItsFourPieces) {
  const auto rows = rowsOf(kTitlePicture);
  // rows counted from 1, columns from 0
  const std::string name = pieceAt(rows[1], 23) + pieceAt(rows[5], 32) + pieceAt(rows[11], 38) + pieceAt(rows[16], 40);
  EXPECT_EQ(name, "Thalvorine");
}

TEST(TitlePicture, LongStrokeStartsAtColumn19AndReachesTheLowerLeft) {
  const auto rows = rowsOf(kTitlePicture);
  EXPECT_EQ(leadingBlanks(rows[0]), 19);
  EXPECT_EQ(rows[0][19], '/');
  EXPECT_EQ(rows[23][0], '/');
  // the horizon of hyphens across row 19
  EXPECT_NE(rows[18].find(std::string(40, '-')), std::string::npos);
}

TEST(TitlePicture, ComesOutUnchangedWithTheVersionAfterRow22) {
  // As the main menu writes it: every row with its line feed, the version
  // between row 22 and its line feed, three blanks in front of the first row.
  const std::string version = "v0.1.0";
  std::string text;
  std::vector<std::string> expected;
  for (std::size_t row = 0; row < kTitlePicture.size(); ++row) {
    std::string line = kTitlePicture[row];
    if (row == 21) line += version;
    text += line + "\n";
    expected.push_back(withoutTrailingBlanks((row == 0 ? "   " : "") + line));
  }
  EXPECT_EQ(typewritten(text, "   ", 24), expected);
  // the version stands apart from the drawing
  EXPECT_EQ(std::string(kTitlePicture[21]).back(), ' ');
  // and the picture leaves the buttons at column 60 alone
  for (std::size_t row = 0; row < expected.size(); ++row) EXPECT_LT(expected[row].size(), 60u) << "row " << row + 1;
}

TEST(OpeningPicture, HasItsEyeNoseAndBaseLineInPlace) {
  const auto rows = rowsOf(kOpeningPicture);
  EXPECT_NE(rows[8].find("(_O)"), std::string::npos);
  EXPECT_NE(rows[10].find("_.(_)"), std::string::npos);
  const std::string base = withoutTrailingBlanks(rows[25]).substr(leadingBlanks(rows[25]));
  EXPECT_EQ(base, std::string(base.size(), '_'));
  EXPECT_GE(base.size(), 10u);
}

TEST(OpeningPicture, StaysBetweenItsOwnLeadAndColumn30) {
  const auto rows = rowsOf(kOpeningPicture);
  int rightmost = 0;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    EXPECT_GE(leadingBlanks(rows[row]), 6) << "row " << row + 1;
    EXPECT_LE(leadingBlanks(rows[row]), 26) << "row " << row + 1;
    rightmost = std::max(rightmost, lastStrokeColumn(rows[row]));
  }
  EXPECT_EQ(rightmost, 30);
}

TEST(OpeningPicture, ComesOutUnchangedAtTheIndentsThatFit) {
  for (int indent : {0, 17, 39}) {
    const std::string blanks(indent, ' ');
    std::string text;
    std::vector<std::string> expected;
    for (std::size_t row = 0; row < kOpeningPicture.size(); ++row) {
      if (row > 0) text += "\n";
      text += blanks + kOpeningPicture[row];
      expected.push_back(withoutTrailingBlanks(blanks + kOpeningPicture[row]));
    }
    EXPECT_EQ(typewritten(text, "", 26), expected) << "indent " << indent;
  }
}

TEST(PocketPicture, FigureStandsOnTheFixedGround) {
  const auto rows = rowsOf(kPocketPicture);
  EXPECT_NE(rows[0].find(",,,,"), std::string::npos);
  EXPECT_NE(rows[8].find("(__,//"), std::string::npos);
  EXPECT_NE(rows[11].find("|||"), std::string::npos);
  EXPECT_EQ(rows[11], rows[12]);
  EXPECT_EQ(rows[14], "  " + std::string(27, '_'));
  EXPECT_EQ(rows[15], "  " + std::string(27, '\xB0'));
}

TEST(PocketPicture, ComesOutUnchangedLeftOfTheMenu) {
  // As the pockets screen writes it: two line feeds, the rows, three more.
  std::string text = kiv::linefeed(2);
  std::vector<std::string> expected = {"", ""};
  for (std::size_t row = 0; row < kPocketPicture.size(); ++row) {
    if (row > 0) text += "\n";
    text += kPocketPicture[row];
    expected.push_back(withoutTrailingBlanks(kPocketPicture[row]));
  }
  EXPECT_EQ(typewritten(text + kiv::linefeed(3), "   ", 18), expected);
  // the pocket menu's buttons stand at column 30
  for (const std::string& row : expected) EXPECT_LT(row.size(), 30u);
}

}  // namespace
