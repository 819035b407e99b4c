// The console's screen buffer: 80 × 300 cells written by the rules of a
// Windows text console, which the game's layout depends on.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kiv {

struct Cell {
  std::uint8_t ch = ' ';      // a code page 857 byte
  std::uint16_t attr = 0x07;  // low nibble text colour, high nibble background
  bool operator==(const Cell&) const = default;
};

class ScreenBuffer {
 public:
  static constexpr int kColumns = 80;
  static constexpr int kRows = 300;

  ScreenBuffer();

  // Writes bytes at the cursor in the current attribute. Printable bytes
  // (and control bytes without a meaning below, as their glyphs) advance the
  // cursor and wrap at once after column 79; '\n' goes to column 0 of the
  // next row, '\r' to column 0, '\b' one column left (never past 0), '\t'
  // blanks up to the next multiple of 8, '\a' counts a beep and prints
  // nothing, NUL prints a blank. Past the last row everything scrolls up one
  // row and the new row is blank in the current attribute.
  void write(std::string_view bytes);
  void put(std::uint8_t byte);

  // Every cell blank in the current attribute, cursor home, view at the top.
  void clear();

  void setAttribute(int attr) { attr_ = static_cast<std::uint16_t>(attr & 0xFFFF); }
  int attribute() const { return attr_; }

  // Moves the cursor, clamped to the buffer.
  void setCursor(int x, int y);
  int cursorX() const { return x_; }
  int cursorY() const { return y_; }

  const Cell& at(int x, int y) const { return cells_[index(x, y)]; }

  // The first buffer row a window of `visibleRows` rows shows: it moves just
  // enough to show the cursor wherever it has been since the last view (a
  // text written down to row 29 and a menu drawn back at row 12 leave rows
  // 6 to 29 in a 24-row window), and returns to 0 after a clear.
  int viewTop(int visibleRows) const;

  // Bells written with '\a' since the last call.
  int takeBells();

  // The attribute the screen was last cleared with: the screen's colour.
  int clearAttribute() const { return clearAttr_; }

  // Counts clears; a view that sees it change redraws from scratch.
  unsigned clearCount() const { return clears_; }

 private:
  static int index(int x, int y) { return y * kColumns + x; }
  void newLine();
  void advance();

  std::vector<Cell> cells_;
  int x_ = 0;
  int y_ = 0;
  mutable int top_ = 0;     // follows the cursor as views are taken
  mutable int lowest_ = 0;  // the lowest row the cursor reached since the last view
  std::uint16_t attr_ = 0x07;
  int clearAttr_ = 0x07;
  int bells_ = 0;
  unsigned clears_ = 0;
};

}  // namespace kiv
