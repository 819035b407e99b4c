// Drawing the screen buffer's window on the terminal, and the notice when it is too small.
#include "kiv/terminal/terminal_screen.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "kiv/core/device.h"
#include "kiv/core/high_contrast.h"
#include "kiv/core/screen_buffer.h"
#include "kiv/core/write_all.h"
#include "kiv/terminal/colour_map.h"
#include "kiv/terminal/terminal_charset.h"

namespace kiv {
namespace {

// Whether the terminal takes a window title through OSC 2.
bool understandsTitles() {
  const char* term = std::getenv("TERM");
  if (term == nullptr) return false;
  for (const char* family : {"xterm", "rxvt", "screen", "tmux", "alacritty", "kitty", "foot", "st", "vte", "gnome",
                             "konsole", "putty", "wezterm", "iterm", "contour", "ghostty"}) {
    if (std::strncmp(term, family, std::strlen(family)) == 0) return true;
  }
  return false;
}

}  // namespace

TerminalScreen::TerminalScreen(const TerminalCharset& charset)
    : painter_(colour::coloursToUse(terminalNumber("colors"))),
      charset_(charset),
      titles_(understandsTitles()),
      colours_(painter_.colours()) {
  painter_.useCharset(charset);
  readSize();
}

void TerminalScreen::setTitle(const std::string& codePage857Title) const {
  if (titles_) writeAll(STDOUT_FILENO, "\033]2;" + charset_.plainText(codePage857Title) + '\007');
}

void TerminalScreen::readSize() {
  winsize size{};
  if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_row > 0 && size.ws_col > 0) {
    rows_ = size.ws_row;
    columns_ = size.ws_col;
  } else {
    rows_ = std::max(1, terminalNumber("lines"));
    columns_ = std::max(1, terminalNumber("cols"));
  }
  painter_.reset(rows_, columns_);
}

void TerminalScreen::send() {
  writeAll(STDOUT_FILENO, output_);
  output_.clear();
}

void TerminalScreen::draw(const ScreenBuffer& screen, bool cursor) {
  last_ = &screen;
  redraw(cursor);
}

void TerminalScreen::redraw(bool wantCursor) {
  if (last_ == nullptr) return;
  if (columns_ < ScreenBuffer::kColumns || rows_ < kFewestRows) {
    drawNotice();
    return;
  }
  tooSmall_ = false;
  if (last_->clearAttribute() != screenAttr_) {  // without colours, the looks depend on it
    screenAttr_ = last_->clearAttribute();
    for (int attribute = 0; attribute < 256; ++attribute) {
      const int drawn = shownAs(attribute);
      looks_[attribute] =
          colours_ > 0 ? colour::lookOf(drawn, colours_) : colour::monochromeLookOf(drawn, shownAs(screenAttr_));
    }
  }
  const int rows = std::min(rows_, ScreenBuffer::kRows);
  const int top = last_->viewTop(rows);
  cells_.resize(static_cast<std::size_t>(rows) * ScreenBuffer::kColumns);
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < ScreenBuffer::kColumns; ++x) {
      const Cell& cell = last_->at(x, top + y);
      cells_[static_cast<std::size_t>(y) * ScreenBuffer::kColumns + x] = {cell.ch,
                                                                          static_cast<std::uint8_t>(cell.attr)};
    }
  std::optional<CursorAt> cursor;
  if (wantCursor) cursor = CursorAt{last_->cursorY() - top, last_->cursorX()};
  painter_.paint(cells_, ScreenBuffer::kColumns, looks_, static_cast<std::uint8_t>(screenAttr_), cursor, output_);
  send();
}

void TerminalScreen::drawNotice() {
  tooSmall_ = true;
  const auto look = static_cast<std::uint8_t>(std::max(screenAttr_, 0));  // the screen's colour, once seen
  const int rows = std::min(rows_, ScreenBuffer::kRows);
  cells_.assign(static_cast<std::size_t>(rows) * columns_, ShownCell{' ', look});
  char size[64];
  std::snprintf(size, sizeof size, "This one is %d x %d.", columns_, rows_);
  char least[64];
  std::snprintf(least, sizeof least, "of at least %d x %d.", ScreenBuffer::kColumns, kFewestRows);
  const std::string notice[] = {"Thalvorine needs a terminal", least, size, "Please make it larger."};
  const int first = std::max(0, rows / 2 - 2);
  for (int i = 0; i < 4 && first + i < rows; ++i) {
    const int width = std::min(static_cast<int>(notice[i].size()), columns_);
    const int left = std::max(0, (columns_ - width) / 2);
    for (int x = 0; x < width; ++x)
      cells_[static_cast<std::size_t>(first + i) * columns_ + left + x].byte = static_cast<std::uint8_t>(notice[i][x]);
  }
  painter_.paint(cells_, columns_, looks_, look, std::nullopt, output_);
  send();
}

bool TerminalScreen::looksAlike(int first, int second) const {
  return colour::screensLookAlike(shownAs(first), shownAs(second), colours_);
}

void TerminalScreen::useHighContrast() {
  highContrast_ = true;
  screenAttr_ = -1;  // the looks are worked out again
}

int TerminalScreen::shownAs(int attribute) const {
  return highContrast_ ? contrast::highContrast(attribute) : attribute;
}

}  // namespace kiv
