// A program on a pseudo-terminal, seen through a real terminal emulator (libvterm).
#pragma once

#include <sys/types.h>
#include <termios.h>
#include <vterm.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

class PtyTerminal {
 public:
  struct Options {                 // on a terminal of 80 × 25, the console the game was laid out for
    std::string workingDirectory;  // empty: the current one
    std::vector<std::string> environment = {"TERM=xterm-256color", "LC_ALL=C.UTF-8"};  // added to ours
    int nullFd = -1;          // 0 or 1: that standard stream is /dev/null instead of the terminal
    long fileSizeLimit = -1;  // bytes a file may grow to (ulimit -f); -1: as ours
  };

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

  // Runs `body` in a child process whose standard input, output and error
  // are the new pseudo-terminal; its result is the child's exit status.
  PtyTerminal(const std::function<int()>& body, const Options& options);
  // Kills the program if it still runs.
  ~PtyTerminal();
  PtyTerminal(const PtyTerminal&) = delete;
  PtyTerminal& operator=(const PtyTerminal&) = delete;

  pid_t pid() const { return pid_; }
  // Bytes as typed: text in UTF-8, keys as the escape sequences terminals send.
  void send(const std::string& bytes);

  // Shows `bytes` to the emulator as if the program had written them.
  void show(const std::string& bytes) { vterm_input_write(vterm_, bytes.data(), bytes.size()); }
  // Reads until `done()` holds or `timeout` passes; true if it held. The
  // screen is looked at after every small step of output and at every bell,
  // so that a screen shown only briefly is seen even when the test was slow.
  bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
  // Reads until nothing new has come for `quiet` (at most `timeout` in all).
  void settle(std::chrono::milliseconds quiet, std::chrono::milliseconds timeout);

  // The screen as the emulator shows it.
  std::string rowText(int row) const;  // UTF-8, trailing blanks cut
  std::string screenText() const;      // every row, one per line
  bool shows(const std::string& utf8) const { return screenText().find(utf8) != std::string::npos; }
  Cell cell(int column, int row) const;
  bool cursorVisible() const { return cursorVisible_; }
  std::pair<int, int> cursor() const;  // row, column
  bool alternateScreen() const { return altScreen_; }
  // True when the emulator's pen has no attribute and the default colours.
  bool penIsPlain() const;
  const std::string& title() const { return title_; }
  // Every byte the program has written so far.
  const std::string& output() const { return output_; }

  // True when the terminal's modes are as they were before the program started.
  bool modesAsAtStart() const;

  // Tells the program the terminal now has this size.
  void resize(int columns, int rows);

  // Waits for the program to end (reading its output meanwhile); the wait
  // status as waitpid gives it, or nothing after `timeout`.
  std::optional<int> waitExit(std::chrono::milliseconds timeout);

 private:
  static constexpr std::size_t kStep = 256;  // bytes shown to the emulator at a time

  void readAvailable(std::chrono::milliseconds upTo);
  bool feedStep();
  static int onTermProp(VTermProp prop, VTermValue* value, void* self);

  VTerm* vterm_;
  int master_ = -1;
  int slave_ = -1;  // kept open so that the terminal outlives the program
  pid_t pid_ = -1;
  std::optional<int> status_;
  int columns_ = 0, rows_ = 0;
  VTermScreen* screen_ = nullptr;
  std::string output_;
  std::size_t fed_ = 0;  // how much of output_ the emulator has seen
  std::string title_;
  bool cursorVisible_ = true, altScreen_ = false;
  termios modesAtStart_{};
};

}  // namespace e2e
