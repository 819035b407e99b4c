// The three fixed pictures come out on screen exactly as drawn, clear of
// the buttons beside them: what an edit of their strokes must not break.
#include "game/pictures.h"

#include <gtest/gtest.h>

#include "kiv/kiv_engine.h"
#include "kiv/virtual_device.h"

namespace {

// Typewrites `rows` the way the screens write pictures (each row with its
// line feed, at once, wrapping before column 75), after `lead`, and expects
// every row back unchanged, shades included, and ending before column `limit`.
void expectUnchanged(const char* picture, std::vector<std::string> rows, const std::string& lead, std::size_t limit) {
  kiv::VirtualDevice device;
  kiv::attach(device);
  std::string text;
  for (const std::string& row : rows) text += row + "\n";
  kiv::yaz(text, false, 0, 0, lead, 75);
  rows[0] = lead + rows[0];
  for (std::size_t y = 0; y < rows.size(); ++y) {
    rows[y].erase(rows[y].find_last_not_of(' ') + 1);
    EXPECT_EQ(kiv::rowText(kiv::screen(), static_cast<int>(y)), rows[y]) << picture << " row " << y + 1;
    EXPECT_LT(rows[y].size(), limit) << picture << " row " << y + 1;
    for (unsigned char byte : rows[y])
      EXPECT_TRUE((byte >= 0x20 && byte <= 0x7E) || (byte >= 0xB0 && byte <= 0xB2) || byte == 0xDB) << picture;
  }
}

TEST(Pictures, ComeOutWholeAndClearOfTheButtonsBesideThem) {
  std::vector<std::string> title(kTitlePicture.begin(), kTitlePicture.end());
  EXPECT_EQ(title[21].back(), ' ');  // the version stands apart from the drawing
  title[21] += "v0.1.0";
  expectUnchanged("title", title, "   ", 60);  // the main menu's buttons stand at column 60
  expectUnchanged("pockets", std::vector<std::string>(kPocketPicture.begin(), kPocketPicture.end()), "", 30);
  for (int indent : {0, 17, 39}) {  // the opening's head: from indent 41 on, its rows wrap
    std::vector<std::string> rows;
    for (const char* row : kOpeningPicture) rows.push_back(std::string(indent, ' ') + row);
    expectUnchanged("opening", rows, "", 80);
  }
}

}  // namespace
