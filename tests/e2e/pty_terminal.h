// A program on a pseudo-terminal, seen through a real terminal emulator (libvterm).
#pragma once

#include <sys/types.h>
#include <termios.h>
#include <vterm.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

class PtyTerminal {
 public:
  struct Options {
    int columns = 80;
    int rows = 25;  // the console the game was laid out for; at 24 its main menu sits one row higher
    std::string workingDirectory;  // empty: the current one
    std::vector<std::string> environment = {"TERM=xterm-256color", "LANG=C.UTF-8"};  // added to ours
  };

  // What a cell shows: its character and its colours as palette numbers
  // (curses/ANSI order, 0 to 15), -1 for the terminal's default colour.
  struct Cell {
    char32_t ch = U' ';
    int foreground = -1;
    int background = -1;
    bool bold = false;
  };

  // Starts `argv` (argv[0] a path) on a new pseudo-terminal.
  PtyTerminal(const std::vector<std::string>& argv, const Options& options);
  // Runs `body` in a child process whose standard input, output and error
  // are the new pseudo-terminal; its result is the child's exit status.
  PtyTerminal(const std::function<int()>& body, const Options& options);
  // Kills the program if it still runs.
  ~PtyTerminal();
  PtyTerminal(const PtyTerminal&) = delete;
  PtyTerminal& operator=(const PtyTerminal&) = delete;

  pid_t pid() const { return pid_; }

  // Bytes as typed (UTF-8 text is sent as it is).
  void send(const std::string& bytes);
  // A key as this terminal sends it in its current modes.
  void press(VTermKey key);

  // Reads what the program has written, waiting up to `upTo` for the first
  // of it, and shows it all to the emulator.
  void pump(std::chrono::milliseconds upTo);
  // Reads until `done()` holds or `timeout` passes; true if it held.
  bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
  // Waits until `utf8` is on screen: at (column, row) when both are given,
  // anywhere on `row` when only the row is, anywhere when neither is.
  bool waitForText(const std::string& utf8, std::chrono::milliseconds timeout, int row = -1, int column = -1);
  // Reads until nothing new has come for `quiet` (at most `timeout` in all).
  void settle(std::chrono::milliseconds quiet, std::chrono::milliseconds timeout);

  // The screen as the emulator shows it.
  std::string rowText(int row) const;  // UTF-8, trailing blanks cut
  std::string screenText() const;      // every row, one per line
  Cell cell(int column, int row) const;
  bool cursorVisible() const { return cursorVisible_; }
  bool alternateScreen() const { return altScreen_; }
  // True when the emulator's pen has no attribute and the default colours.
  bool penIsPlain() const;
  const std::string& title() const { return title_; }
  int rows() const { return rows_; }
  int columns() const { return columns_; }
  // Every byte the program has written so far.
  const std::string& output() const { return output_; }

  // The terminal's modes now, and as they were before the program started.
  termios modes() const;
  const termios& modesAtStart() const { return modesAtStart_; }

  // Tells the program the terminal now has this size.
  void resize(int columns, int rows);

  // Waits for the program to end (reading its output meanwhile); the wait
  // status as waitpid gives it, or nothing after `timeout`.
  std::optional<int> waitExit(std::chrono::milliseconds timeout);

 private:
  static constexpr std::size_t kStep = 256;  // bytes shown to the emulator at a time

  void open(const Options& options);
  void readAvailable(std::chrono::milliseconds upTo);
  bool feedStep();
  void startChild(const Options& options, const std::function<void()>& run);
  static int onTermProp(VTermProp prop, VTermValue* value, void* self);
  static void onOutput(const char* bytes, size_t length, void* self);

  int master_ = -1;
  int slave_ = -1;  // kept open so that the terminal outlives the program
  pid_t pid_ = -1;
  std::optional<int> status_;
  int columns_ = 80;
  int rows_ = 24;
  VTerm* vterm_ = nullptr;
  VTermScreen* screen_ = nullptr;
  std::string output_;
  std::size_t fed_ = 0;  // how much of output_ the emulator has seen
  std::string title_;
  bool cursorVisible_ = true;
  bool altScreen_ = false;
  termios modesAtStart_{};
};

// A fresh temporary folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }
  void write(const std::string& name, const std::string& content) const;
  std::string read(const std::string& name) const;
  std::vector<std::string> names() const;  // sorted

 private:
  std::string path_;
};

// The UTF-8 form of one character.
std::string utf8(char32_t ch);

}  // namespace e2e
