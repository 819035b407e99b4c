// A terminal's screen as a real terminal emulator (libvterm) shows the bytes written to it.
#pragma once

#include <vterm.h>

#include <cstddef>
#include <string>
#include <utility>

namespace e2e {

class Emulator {
 public:
  // How a cell shows its character: colours as palette numbers (curses/ANSI
  // order, 0 to 15), -1 for the terminal's default colour.
  struct Look {
    int foreground = -1, background = -1;
    bool bold = false, reverse = false;
    bool operator==(const Look&) const = default;
  };
  struct Cell {
    char32_t ch = U' ';
    Look look;
  };

  // A screen of `rows` × `columns` that reads UTF-8.
  Emulator(int rows, int columns);
  ~Emulator();
  Emulator(const Emulator&) = delete;
  Emulator& operator=(const Emulator&) = delete;

  // Shows `size` bytes from `bytes`.
  void write(const char* bytes, std::size_t size);
  void write(const std::string& bytes) { write(bytes.data(), bytes.size()); }
  void setSize(int rows, int columns);

  std::string rowText(int row) const;  // UTF-8, trailing blanks cut
  std::string screenText() const;      // every row, one per line
  bool shows(const std::string& utf8) const { return screenText().find(utf8) != std::string::npos; }
  Cell cell(int column, int row) const;
  bool cursorVisible() const { return cursorVisible_; }
  // The cursor's row and column.
  std::pair<int, int> cursor() const;
  bool alternateScreen() const { return altScreen_; }
  // True when the emulator's pen has no attribute and the default colours.
  bool penIsPlain() const;
  const std::string& title() const { return title_; }

 private:
  static int onTermProp(VTermProp prop, VTermValue* value, void* self);

  VTerm* vterm_;
  VTermScreen* screen_ = nullptr;
  int rows_ = 0, columns_ = 0;
  std::string title_;
  bool cursorVisible_ = true, altScreen_ = false;
};

}  // namespace e2e
