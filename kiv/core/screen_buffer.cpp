// The Windows console output rules over an 80 × 300 cell buffer.
#include "kiv/core/screen_buffer.h"

#include <algorithm>

namespace kiv {

ScreenBuffer::ScreenBuffer() : cells_(kColumns * kRows) {}

void ScreenBuffer::write(std::string_view bytes) {
  for (char c : bytes) put(static_cast<std::uint8_t>(c));
}

void ScreenBuffer::put(std::uint8_t byte) {
  switch (byte) {
    case '\n':
      newLine();
      return;
    case '\r':
      x_ = 0;
      return;
    case '\b':
      if (x_ > 0) --x_;
      return;
    case '\a':
      ++bells_;
      return;
    case '\t':
      do put(' ');
      while (x_ % 8 != 0);
      return;
    case 0:
      byte = ' ';
      break;
    default:
      break;
  }
  cells_[index(x_, y_)] = Cell{byte, attr_};
  advance();
}

void ScreenBuffer::advance() {
  if (++x_ == kColumns) newLine();
}

void ScreenBuffer::newLine() {
  x_ = 0;
  if (y_ + 1 < kRows) {
    lowest_ = std::max(lowest_, ++y_);
    return;
  }
  std::move(cells_.begin() + kColumns, cells_.end(), cells_.begin());
  std::fill(cells_.end() - kColumns, cells_.end(), Cell{' ', attr_});
}

void ScreenBuffer::clear() {
  std::fill(cells_.begin(), cells_.end(), Cell{' ', attr_});
  x_ = y_ = top_ = lowest_ = 0;
  clearAttr_ = attr_;
  ++clears_;
}

void ScreenBuffer::setCursor(int x, int y) {
  x_ = std::clamp(x, 0, kColumns - 1);
  y_ = std::clamp(y, 0, kRows - 1);
  lowest_ = std::max(lowest_, y_);
}

int ScreenBuffer::viewTop(int visibleRows) const {
  visibleRows = std::clamp(visibleRows, 1, kRows);
  if (lowest_ >= top_ + visibleRows) top_ = lowest_ - visibleRows + 1;
  lowest_ = y_;
  if (y_ < top_) top_ = y_;
  if (y_ >= top_ + visibleRows) top_ = y_ - visibleRows + 1;
  top_ = std::min(top_, kRows - visibleRows);
  return top_;
}

int ScreenBuffer::takeBells() {
  int n = bells_;
  bells_ = 0;
  return n;
}

}  // namespace kiv
