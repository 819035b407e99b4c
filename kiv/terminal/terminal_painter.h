// What a terminal must be sent to show a grid of cells, worked out from its terminfo entry with as few bytes as it can.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kiv/terminal/colour_map.h"

namespace kiv {

class TerminalCharset;

// Loads the terminfo entry that $TERM names, for the terminal on `fd`:
// kLoaded; kUnknown when there is none; kCannotPlaceCursor, and nothing
// loaded, when it has no cursor addressing.
enum class TerminalEntry { kLoaded, kUnknown, kCannotPlaceCursor };
TerminalEntry loadTerminalEntry(int fd);
// Lets the loaded entry go.
void unloadTerminalEntry();
// A number of the loaded entry ("colors", "lines", "cols"); negative when it has none.
int terminalNumber(const char* capability);

// How the terminal shows one code page 857 byte.
struct Glyph {
  std::string text;          // the bytes to write
  bool lineDrawing = false;  // text is in the terminal's line-drawing set
  bool reverse = false;      // text (a blank) in reverse video: a solid block
};

// One cell as the game wants it: a code page 857 byte, and its look as an
// index into the looks given with it.
struct ShownCell {
  std::uint8_t byte = ' ';
  std::uint8_t look = 0;
};
using Looks = std::array<colour::Look, 256>;

// Where the cursor shows, when it shows.
struct CursorAt {
  int row;
  int column;
};

// Keeps what the terminal shows and where its cursor and pen are, and
// sends only what changes: a letter typed next to the last one in the same
// colours is the letter's own bytes and nothing more. Reads the terminfo
// entry loaded (loadTerminalEntry) when made.
class TerminalPainter {
 public:
  // `colours` as colour::coloursToUse: 16, 8 or 0. Glyphs come with useCharset.
  explicit TerminalPainter(int colours);
  // The colours it draws with: as asked, or 0 when the terminal cannot set them.
  int colours() const { return colours_; }

  // Each byte's glyph: as `charset` encodes it, else its stand-in: the
  // terminal's line-drawing character where it has one, the solid block as
  // a reversed blank where it has reverse video, else the plain character.
  void useCharset(const TerminalCharset& charset);

  // The terminal now has `rows` × `columns` cells whose contents, pen and
  // cursor are unknown (at the start, after a resize).
  void reset(int rows, int columns);

  // Appends to `out` what makes the terminal's top left show `cells` (rows
  // of `width`; what lies past the terminal's size is left out) in `looks`
  // (without colours, only bold and reverse count), the rest of the terminal
  // blank in look `blank`, and the cursor at `cursor` or hidden. Of writing
  // the changed cells where they are, scrolling the terminal first (when the
  // cells moved up by whole rows) or clearing it first, takes the cheapest.
  void paint(const std::vector<ShownCell>& cells, int width, const Looks& looks, std::uint8_t blank,
             std::optional<CursorAt> cursor, std::string& out);

  // Sent once at the start: the alternate screen and the line-drawing set.
  std::string startSequence() const;
  // Gives the terminal back: plain pen, cursor shown, the shell's screen.
  std::string endSequence() const;
  // The terminal's bell.
  const std::string& bell() const { return bell_; }

 private:
  // A cell as the terminal shows it, in one word: the byte (a blank for
  // every glyph that shows as one), the pen's colours plus one (0: the
  // terminal's own), bold, reverse; 0 for a cell not known.
  using Shown = std::uint32_t;
  static Shown shown(std::uint8_t byte, Shown pen) { return byte | pen; }
  static std::uint8_t byteOf(Shown cell) { return static_cast<std::uint8_t>(cell); }
  static Shown penOf(Shown cell) { return cell & ~Shown{0xFF}; }

  Shown penFor(const colour::Look& look) const;
  Shown erasedWith(Shown pen) const;
  std::size_t writingCost(int scrolledBy, Shown scrolledIn, std::size_t enough) const;
  void clearOrScroll(Shown blank, std::string& out);
  void clearScreen(Shown blank, std::string& out);
  void scrollUp(int by, Shown scrolledIn, std::string& out);
  bool eraseRestOfRow(int row, int column, std::string& out);
  void moveTo(int row, int column, std::string& out);
  void setPen(Shown pen, std::string& out);
  void setLineDrawing(bool on, std::string& out);
  void put(int row, int column, Shown cell, std::string& out);

  // The terminal's capabilities, padding removed.
  int colours_;
  std::string cup_, clear_, sgr0_, bold_, rev_, smacs_, rmacs_, enacs_, smcup_, rmcup_, civis_, cnorm_, ind_, cr_,
      cud1_, bell_, smam_, rmam_, el_;
  std::array<std::string, 16> setaf_, setab_;
  std::array<char, 128> acs_{};  // VT100 line-drawing letter to the terminal's character, 0 for none
  bool bce_ = false, autoMargins_ = false, pendingWrap_ = false, sgr0EndsLineDrawing_ = false;
  std::array<Glyph, 256> glyphs_;
  std::array<bool, 256> blank_{}, reversed_{};  // glyphs that show as a blank, as a reversed one

  // What the terminal shows now.
  int rows_ = 0, columns_ = 0;  // the terminal's size
  std::vector<Shown> shadow_;   // rows_ × columns_, empty when not known
  std::vector<Shown> want_;     // the same, as paint is asked to show it
  Shown pen_ = 0;               // 0: unknown
  std::optional<bool> lineDrawing_, cursorShown_;
  int row_ = -1, column_ = -1;  // the terminal's cursor; -1: unknown
};

}  // namespace kiv
