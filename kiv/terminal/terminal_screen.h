// What the terminal shows: the window onto the screen buffer, or a notice
// while the terminal is too small for the game.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "kiv/terminal/terminal_painter.h"

namespace kiv {

class ScreenBuffer;
class TerminalCharset;

class TerminalScreen {
 public:
  // Draws on standard output through the loaded terminfo entry, in `charset`
  // (which must outlive it).
  explicit TerminalScreen(const TerminalCharset& charset);

  // Sent to take the terminal (the alternate screen) and to give it back.
  std::string startSequence() const { return painter_.startSequence(); }
  std::string endSequence() const { return painter_.endSequence(); }
  const std::string& bell() const { return painter_.bell(); }
  // The terminal's own size now; a window title where the terminal takes one.
  int rows() const { return rows_; }
  void setTitle(const std::string& codePage857Title) const;
  // True when screens cleared in these two attributes look the same here.
  bool looksAlike(int first, int second) const;
  // From now on every colour pair is drawn as kiv::contrast::highContrast has it.
  void useHighContrast();

  // Reads the terminal's size; whatever it showed is unknown from now on.
  void readSize();
  // Shows the rows of `screen` the window holds, the cursor where it is
  // when `cursor`; or, on a terminal too small for the game, a notice
  // saying so. Keeps `screen` to draw again on redraw().
  void draw(const ScreenBuffer& screen, bool cursor);
  // Draws the last screen drawn again (nothing before the first).
  void redraw(bool cursor);
  // True while the notice is up: keys wait until it is gone.
  bool tooSmall() const { return tooSmall_; }

 private:
  void drawNotice();
  int shownAs(int attribute) const;  // the attribute as drawn
  void send();

  TerminalPainter painter_;
  const TerminalCharset& charset_;
  bool titles_;
  int colours_;
  int screenAttr_ = -1;  // the screen's colour the looks were worked out for
  bool highContrast_ = false;
  Looks looks_{};
  std::vector<ShownCell> cells_;  // the window as the game wants it
  std::string output_;
  const ScreenBuffer* last_ = nullptr;
  int rows_ = 24, columns_ = 80;
  bool tooSmall_ = false;
};

}  // namespace kiv
