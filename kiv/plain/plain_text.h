// The game as lines of plain text: what it says, each text once, in reading
// order, in UTF-8, without colours, pauses or cursor moves.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "kiv/core/text_rendition.h"
#include "kiv/plain/plain_input.h"

namespace kiv::plain {

// Writes to `out`: a text's lines without their leading and trailing blanks,
// runs of empty lines as one; a title box as its title between empty lines;
// a menu as its buttons numbered from 1, the selected one marked "*"; the
// prompt as its label, the typed word to follow on the same line.
class PlainText : public TextRendition {
 public:
  explicit PlainText(std::ostream& out) : out_(out) {}

  void text(const std::string& text) override;
  void title(const std::string& title) override;
  void menu(const std::vector<std::string>& buttons, bool vertical) override;
  void selected(int button) override;
  void prompt(const std::string& label) override;

  // What the game waits for, as far as it has said.
  const Waiting& waiting() const { return waiting_; }
  // Before the player is asked for a line: says where a menu's selection
  // moved to, and shows all that was written.
  void beforeReading();
  // The line the player typed: shown after the prompt when `echo` (input
  // that is not a terminal shows nothing of itself); the line ends either way.
  void heard(const std::string& utf8Line, bool echo);
  // No line came: the input has ended. Ends the prompt's line, shows all written.
  void inputEnded();
  // Lists the menu again (after a line that chose nothing).
  void listMenu();
  // The terminal's bell.
  void bell();

 private:
  void line(const std::string& utf8);  // one line, after an empty one if one is due
  void endPromptLine();
  std::string button(int index) const;

  std::ostream& out_;
  Waiting waiting_;
  std::vector<std::string> buttons_;  // the menu's, in UTF-8
  int announced_ = 0;                 // the selection last said
  bool wroteLine_ = false;
  bool emptyLineDue_ = false;
  bool midLine_ = false;  // a prompt's label waits for the word
};

}  // namespace kiv::plain
