// The terminal's screen kept in a shadow copy, and the fewest bytes that bring it to the game's cells.
#include "kiv/terminal/terminal_painter.h"

#include <term.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "kiv/terminal/terminal_charset.h"

namespace kiv {
namespace {

// `text` without its padding marks ($<5>, $<100/>): terminals today need none.
std::string withoutPadding(const char* text) {
  std::string out;
  if (text == nullptr || text == reinterpret_cast<const char*>(-1)) return out;
  for (const char* p = text; *p != '\0'; ++p) {
    const char* end = p[0] == '$' && p[1] == '<' ? std::strchr(p, '>') : nullptr;
    if (end != nullptr) {
      p = end;
      continue;
    }
    out += *p;
  }
  return out;
}

std::string capability(const char* name) { return withoutPadding(tigetstr(name)); }

bool flag(const char* name) { return tigetflag(name) > 0; }

std::string withParameters(const std::string& format, int first, int second = 0) {
  return format.empty() ? std::string() : withoutPadding(tiparm(format.c_str(), first, second));
}

// The parts of a pen packed into a shown cell (see TerminalPainter::Shown).
constexpr std::uint32_t kKnown = 1U << 20, kBold = 1U << 18, kReverse = 1U << 19;

std::uint32_t packPen(int foreground, int background, bool bold, bool reverse) {
  return kKnown | static_cast<std::uint32_t>(foreground + 1) << 8 | static_cast<std::uint32_t>(background + 1) << 13 |
         (bold ? kBold : 0) | (reverse ? kReverse : 0);
}
int foregroundOf(std::uint32_t pen) { return static_cast<int>((pen >> 8) & 31) - 1; }
int backgroundOf(std::uint32_t pen) { return static_cast<int>((pen >> 13) & 31) - 1; }

}  // namespace

TerminalEntry loadTerminalEntry(int fd) {
  int error = 0;
  if (setupterm(nullptr, fd, &error) != 0) return TerminalEntry::kUnknown;
  if (!capability("cup").empty()) return TerminalEntry::kLoaded;
  unloadTerminalEntry();
  return TerminalEntry::kCannotPlaceCursor;
}

void unloadTerminalEntry() {
  if (cur_term != nullptr) del_curterm(cur_term);
  cur_term = nullptr;
}

int terminalNumber(const char* name) { return tigetnum(name); }

TerminalPainter::TerminalPainter(int colours)
    : cup_(capability("cup")),
      clear_(capability("clear")),
      sgr0_(capability("sgr0")),
      bold_(capability("bold")),
      rev_(capability("rev")),
      smacs_(capability("smacs")),
      rmacs_(capability("rmacs")),
      enacs_(capability("enacs")),
      smcup_(capability("smcup")),
      rmcup_(capability("rmcup")),
      civis_(capability("civis")),
      cnorm_(capability("cnorm")),
      ind_(capability("ind")),
      cr_(capability("cr")),
      cud1_(capability("cud1")),
      bell_(capability("bel")),
      smam_(capability("smam")),
      rmam_(capability("rmam")),
      el_(capability("el")) {
  const std::string setaf = capability("setaf"), setab = capability("setab");
  colours_ = setaf.empty() || setab.empty() ? 0 : colours;
  for (int colour = 0; colour < 16 && colours_ > 0; ++colour) {
    setaf_[colour] = withParameters(setaf, colour);
    setab_[colour] = withParameters(setab, colour);
  }
  const std::string acsc = smacs_.empty() ? std::string() : capability("acsc");
  for (std::size_t i = 0; i + 1 < acsc.size(); i += 2)
    if (static_cast<unsigned char>(acsc[i]) < acs_.size()) acs_[static_cast<unsigned char>(acsc[i])] = acsc[i + 1];
  bce_ = flag("bce");
  autoMargins_ = flag("am");
  pendingWrap_ = flag("xenl");
  sgr0EndsLineDrawing_ = !rmacs_.empty() && sgr0_.find(rmacs_) != std::string::npos;
  if (bell_.empty()) bell_.assign(1, '\a');
}

void TerminalPainter::useCharset(const TerminalCharset& charset) {
  for (int byte = 0; byte < 256; ++byte) {
    Glyph& glyph = glyphs_[byte];
    glyph = Glyph{charset.encoded(static_cast<std::uint8_t>(byte))};
    if (glyph.text.empty()) {
      const StandIn standIn = standInFor(static_cast<std::uint8_t>(byte));
      const char line = standIn.lineDrawing != 0 ? acs_[static_cast<unsigned char>(standIn.lineDrawing)] : '\0';
      if (line != '\0')
        glyph = Glyph{std::string(1, line), true};
      else if (standIn.lineDrawing == '0' && !rev_.empty())
        glyph = Glyph{" ", false, true};
      else
        glyph.text.assign(1, standIn.plain);
    }
    blank_[byte] = glyph.text == " " && !glyph.lineDrawing;
    reversed_[byte] = glyph.reverse;
  }
}

std::string TerminalPainter::startSequence() const { return smcup_ + enacs_; }

std::string TerminalPainter::endSequence() const {
  std::string out = sgr0_;
  if (!sgr0EndsLineDrawing_) out += rmacs_;
  out += cnorm_;
  return out + (rmcup_.empty() && rows_ > 0 ? withParameters(cup_, rows_ - 1, 0) : rmcup_);
}

void TerminalPainter::reset(int rows, int width) {
  rows_ = rows;
  columns_ = width;
  shadow_.clear();
  pen_ = 0;
  cursorShown_.reset();
  row_ = column_ = -1;
}

TerminalPainter::Shown TerminalPainter::penFor(const colour::Look& look) const {
  return colours_ > 0 ? packPen(look.foreground & 15, look.background & 15, look.bold, look.reverse)
                      : packPen(-1, -1, look.bold, look.reverse);
}

void TerminalPainter::setPen(Shown want, std::string& out) {
  want = penOf(want);
  if (want == pen_) return;
  const int foreground = foregroundOf(want), background = backgroundOf(want);
  const bool reset = pen_ == 0 || (pen_ & ~want & (kBold | kReverse)) != 0 ||
                     (foreground < 0 && foregroundOf(pen_) >= 0) || (background < 0 && backgroundOf(pen_) >= 0);
  const Shown now = reset ? packPen(-1, -1, false, false) : pen_;
  if (reset) {
    out += sgr0_;
    if (sgr0EndsLineDrawing_) lineDrawing_ = false;
  }
  if ((want & ~now & kBold) != 0) out += bold_;
  if ((want & ~now & kReverse) != 0) out += rev_;
  if (foreground >= 0 && foreground != foregroundOf(now)) out += setaf_[foreground];
  if (background >= 0 && background != backgroundOf(now)) out += setab_[background];
  pen_ = want;
}

void TerminalPainter::setLineDrawing(bool on, std::string& out) {
  if (lineDrawing_ == on) return;
  out += on ? smacs_ : rmacs_;
  lineDrawing_ = on;
}

// The shortest way from the cursor to (row, column): its address, or
// rewriting the few cells before it in the pen they have, after a carriage
// return and line feed when it is on the next row.
void TerminalPainter::moveTo(int row, int column, std::string& out) {
  if (row == row_ && column == column_) return;
  std::string best = withParameters(cup_, row, column);
  const auto tryRewriting = [&](int from, std::string way) {
    for (int x = from; x < column && way.size() < best.size(); ++x) {
      const Shown seen = shadow_[static_cast<std::size_t>(row) * columns_ + x];
      const Glyph& glyph = glyphs_[byteOf(seen)];
      if (seen == 0 || penOf(seen) != pen_ || (byteOf(seen) != ' ' && glyph.lineDrawing != lineDrawing_)) return;
      way += glyph.text;
    }
    if (way.size() < best.size()) best = way;
  };
  if (row == row_ && column_ >= 0 && column_ < column) tryRewriting(column_, "");
  if (row == row_ + 1 && row_ >= 0 && !cr_.empty() && !cud1_.empty()) tryRewriting(0, cr_ + cud1_);
  out += best;
  row_ = row;
  column_ = column;
}

void TerminalPainter::put(int row, int column, Shown cell, std::string& out) {
  setPen(cell, out);
  const std::uint8_t byte = byteOf(cell);
  const Glyph& glyph = glyphs_[byte];
  if (byte != ' ') setLineDrawing(glyph.lineDrawing, out);
  const bool lastColumn = column == columns_ - 1;
  if (lastColumn && row == rows_ - 1 && autoMargins_ && !pendingWrap_) {
    // The bottom right cell would scroll the screen: written with the
    // margins off, or not at all.
    if (!rmam_.empty() && !smam_.empty()) out += rmam_ + glyph.text + smam_;
  } else {
    out += glyph.text;
  }
  shadow_[static_cast<std::size_t>(row) * columns_ + column] = cell;
  column_ = lastColumn ? -1 : column + 1;  // past the last column the cursor's place depends on the terminal
  if (lastColumn) row_ = -1;
}

// Blanks as the terminal erases them (clearing, scrolling in, erasing a
// line) while its pen is `pen`: in the pen's colours where it has
// back-colour-erase, else in its own.
TerminalPainter::Shown TerminalPainter::erasedWith(Shown pen) const {
  return shown(' ', bce_ ? penOf(pen) : packPen(-1, -1, false, false));
}

// About how many bytes writing the cells that differ from what the terminal
// shows takes, after it has scrolled up by `scrolledBy` rows (the rows it
// scrolls in showing `scrolledIn`; all of them, for a clear): a cursor move
// for each run of changed cells and a byte for each cell. Counts no further
// than `enough`.
std::size_t TerminalPainter::writingCost(int scrolledBy, Shown scrolledIn, std::size_t enough) const {
  std::size_t bytes = 0;
  for (int y = 0; y < rows_ && bytes < enough; ++y) {
    const std::size_t at = static_cast<std::size_t>(y) * columns_;
    const bool old = y + scrolledBy < rows_;
    bool changed = false;
    for (int x = 0; x < columns_; ++x) {
      const bool was = changed;
      changed = want_[at + x] != (old ? shadow_[at + static_cast<std::size_t>(scrolledBy) * columns_ + x] : scrolledIn);
      bytes += changed ? (was ? 1 : 8) : 0;
    }
  }
  return bytes;
}

// Clears the terminal, or scrolls it up, first when that leaves the least
// to write in all.
void TerminalPainter::clearOrScroll(Shown blank, std::string& out) {
  std::size_t best = writingCost(0, 0, SIZE_MAX);
  int bestBy = 0;
  if (!clear_.empty()) {
    const std::size_t bytes = writingCost(rows_, erasedWith(blank), best) + clear_.size();
    if (bytes < best) best = bytes, bestBy = rows_;
  }
  const Shown scrolledIn = erasedWith(blank);
  for (int by = 1; by < rows_ && !ind_.empty(); ++by) {
    const std::size_t moves = by * ind_.size() + 8;
    if (moves >= best) break;
    const std::size_t bytes = writingCost(by, scrolledIn, best - moves) + moves;
    if (bytes < best) best = bytes, bestBy = by;
  }
  if (bestBy == rows_)
    clearScreen(blank, out);
  else if (bestBy > 0)
    scrollUp(bestBy, scrolledIn, out);
}

void TerminalPainter::clearScreen(Shown blank, std::string& out) {
  std::fill(shadow_.begin(), shadow_.end(), Shown{0});
  if (clear_.empty()) return;
  setPen(penOf(erasedWith(blank)), out);
  out += clear_;
  row_ = column_ = 0;
  std::fill(shadow_.begin(), shadow_.end(), erasedWith(blank));
}

// Scrolls the terminal up by `by` rows, the rows scrolled in showing `scrolledIn`.
void TerminalPainter::scrollUp(int by, Shown scrolledIn, std::string& out) {
  setPen(penOf(scrolledIn), out);  // the rows scrolled in take its background, or the terminal's own
  moveTo(rows_ - 1, 0, out);
  for (int i = 0; i < by; ++i) out += ind_;
  const auto shift = static_cast<std::ptrdiff_t>(by) * columns_;
  std::move(shadow_.begin() + shift, shadow_.end(), shadow_.begin());
  std::fill(shadow_.end() - shift, shadow_.end(), scrolledIn);
}

// Erases the rest of the row from (row, column) when every cell of it is to
// be the same blank, the terminal erases in that blank's colours and erasing
// is cheaper than writing the blanks that differ.
bool TerminalPainter::eraseRestOfRow(int row, int column, std::string& out) {
  const std::size_t at = static_cast<std::size_t>(row) * columns_;
  const Shown blank = want_[at + column];
  if (el_.empty() || erasedWith(blank) != blank) return false;
  std::size_t differing = 0;
  for (int x = column; x < columns_; ++x) {
    if (want_[at + x] != blank) return false;
    differing += shadow_[at + x] != blank;
  }
  if (differing <= el_.size()) return false;
  moveTo(row, column, out);
  setPen(blank, out);
  out += el_;
  const auto rowStart = shadow_.begin() + static_cast<std::ptrdiff_t>(at);
  std::fill(rowStart + column, rowStart + columns_, blank);
  return true;
}

void TerminalPainter::paint(const std::vector<ShownCell>& cells, int width, const Looks& looks, std::uint8_t blank,
                            std::optional<CursorAt> cursor, std::string& out) {
  std::array<Shown, 256> pens;
  for (int look = 0; look < 256; ++look) pens[look] = penFor(looks[look]);
  const Shown blankPen = pens[blank];
  want_.assign(static_cast<std::size_t>(rows_) * columns_, shown(' ', blankPen));
  const int shownRows = std::min(static_cast<int>(cells.size()) / std::max(width, 1), rows_);
  const int shownColumns = std::min(width, columns_);
  for (int y = 0; y < shownRows; ++y)
    for (int x = 0; x < shownColumns; ++x) {
      const ShownCell& cell = cells[static_cast<std::size_t>(y) * width + x];
      const Shown pen = pens[cell.look] ^ (reversed_[cell.byte] ? kReverse : 0);
      want_[static_cast<std::size_t>(y) * columns_ + x] =
          shown(blank_[cell.byte] || reversed_[cell.byte] ? ' ' : cell.byte, pen);
    }
  if (!cursor && cursorShown_ != false) {  // hidden before anything moves
    out += civis_;
    cursorShown_ = false;
  }

  if (shadow_.size() != want_.size()) {
    shadow_.assign(want_.size(), Shown{0});
    clearScreen(blankPen, out);
  } else {
    std::size_t differing = 0;
    for (std::size_t i = 0; i < want_.size(); ++i) differing += want_[i] != shadow_[i];
    if (differing > 8) clearOrScroll(blankPen, out);
  }

  for (int y = 0; y < rows_; ++y) {
    const std::size_t at = static_cast<std::size_t>(y) * columns_;
    for (int x = 0; x < columns_; ++x) {
      if (want_[at + x] == shadow_[at + x]) continue;
      if (byteOf(want_[at + x]) == ' ' && eraseRestOfRow(y, x, out)) break;
      moveTo(y, x, out);
      put(y, x, want_[at + x], out);
    }
  }

  if (cursor) {
    moveTo(cursor->row, cursor->column, out);
    if (cursorShown_ != true) out += cnorm_;
    cursorShown_ = true;
  }
}

}  // namespace kiv
