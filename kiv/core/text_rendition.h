// The game told as text: what the game says (texts, title boxes, menus, the
// prompt), reported beside the screen buffer to whoever shows it as text.
#pragma once

#include <string>
#include <vector>

namespace kiv {

// Hears what the game says, in the order it says it. Texts are code page 857
// bytes as the game writes them (line feeds and leading blanks included).
class TextRendition {
 public:
  virtual ~TextRendition() = default;
  // A text the typewriter writes, whole, once.
  virtual void text(const std::string& text) = 0;
  // The name a title box is drawn around.
  virtual void title(const std::string& title) = 0;
  // A menu is drawn with these buttons (at least one), its first selected;
  // `vertical` menus move with Up and Down, the others with Left and Right.
  virtual void menu(const std::vector<std::string>& buttons, bool vertical) = 0;
  // The menu's selection is on button `button` (from 0) while it waits for a key.
  virtual void selected(int button) = 0;
  // The line editor waits for a word after `label`.
  virtual void prompt(const std::string& label) = 0;
};

// Makes `rendition` hear the game from now on; nullptr: nobody does. The
// rendition must outlive its time here.
void setTextRendition(TextRendition* rendition);

// While one lives, the typewriter draws (a picture, a frame) rather than
// says: its texts are not reported. They nest.
class Unsaid {
 public:
  Unsaid();
  ~Unsaid();
  Unsaid(const Unsaid&) = delete;
  Unsaid& operator=(const Unsaid&) = delete;
};

// A line of a text as it is told: without its leading and trailing blanks
// and the control bytes that show nothing (tab, carriage return, backspace, bell).
std::string toldLine(const std::string& line);
// The lines of a text (split at its line feeds), each as it is told; the
// empty ones kept.
std::vector<std::string> toldLines(const std::string& text);

// Each tells the rendition, if there is one (the typewriter tells it its
// texts itself).
void sayText(const std::string& text);
void sayTitle(const std::string& title);
void sayMenu(const std::vector<std::string>& buttons, bool vertical);
void saySelected(int button);
void sayPrompt(const std::string& label);

}  // namespace kiv
