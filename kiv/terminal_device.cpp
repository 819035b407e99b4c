// The real terminal, drawn and read with ncursesw.
#include "kiv/terminal_device.h"

#include <curses.h>
#include <langinfo.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <term.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <chrono>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "kiv/codepage.h"
#include "kiv/colour_map.h"
#include "kiv/deadline_pace.h"
#include "kiv/screen_buffer.h"
#include "kiv/sound_output.h"
#include "kiv/terminal_keys.h"
#include "kiv/terminal_signals.h"
#include "kiv/write_all.h"

namespace kiv {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMinColumns = ScreenBuffer::kColumns;
constexpr int kMinRows = 24;

bool g_taken = false;  // one terminal device at a time

// The player's locale; when none is set at all, UTF-8 anyway, the way
// nearly every terminal speaks today.
void chooseLocale() {
  std::setlocale(LC_ALL, "");
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) return;
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return;
  }
  std::setlocale(LC_CTYPE, "C.UTF-8");
}

// A terminfo string capability without its padding marks, or "".
std::string capability(const char* name) {
  const char* value = tigetstr(name);
  if (value == nullptr || value == reinterpret_cast<char*>(-1)) return {};
  std::string text;
  for (const char* p = value; *p != '\0'; ++p) {
    if (p[0] == '$' && p[1] == '<') {
      const char* end = std::strchr(p, '>');
      if (end != nullptr) {
        p = end;
        continue;
      }
    }
    text += *p;
  }
  return text;
}

// Whether the terminal takes a window title through OSC 2.
bool understandsTitles() {
  const char* term = std::getenv("TERM");
  if (term == nullptr) return false;
  for (const char* family : {"xterm", "rxvt", "screen", "tmux", "alacritty", "kitty", "foot", "st", "vte",
                             "gnome", "konsole", "putty", "wezterm", "iterm", "contour", "ghostty"}) {
    if (std::strncmp(term, family, std::strlen(family)) == 0) return true;
  }
  return false;
}

}  // namespace

bool isInteractiveTerminal() { return ::isatty(STDIN_FILENO) == 1 && ::isatty(STDOUT_FILENO) == 1; }

struct TerminalDevice::State {
  SCREEN* screen = nullptr;
  termios shellModes{};
  int wakeFd = -1;
  std::unique_ptr<SoundOutput> sound;
  bool titles = false;

  int colours = 0;  // 16, 8 or 0 (no colours)
  colour::PairPlan plan{16};
  int screenAttr = -1;  // the attribute pair 0 draws, -1 before the first

  const ScreenBuffer* last = nullptr;  // the buffer last presented, for redraws
  std::vector<Cell> shadow;            // what stdscr holds, row by row of the window
  int shadowRows = 0;
  bool shadowValid = false;
  bool tooSmall = false;

  bool wantCursor = true;
  int cursorShown = -1;  // as the terminal has it: 1, 0, or -1 unknown

  std::deque<int> keys;  // codes read but not yet handed on (held while the notice is up)
  KeyDecoder decoder;
  std::optional<Clock::time_point> escapeEnds;  // when a begun escape sequence counts as ended
  DeadlinePace pace;
  std::int64_t startSecond = 0;  // the calendar and the steady clock at the start
  Clock::time_point started;

  void draw();
  void drawNotice();
  void setScreenColours(int attribute);
  void putCell(int row, int column, const Cell& cell);
  void placeCursor(int top);

  void serviceSignals();
  void resize();
  void pumpInput();
  bool keyReady() const { return !tooSmall && !keys.empty(); }
  bool inputReady();
  void waitUntil(std::optional<Clock::time_point> deadline, bool wakeOnInput);

  void restore();
  [[noreturn]] void endBy(int signal);
};

TerminalDevice::TerminalDevice() : state_(std::make_unique<State>()) {
  assert(!g_taken && "only one terminal device at a time");
  g_taken = true;
  State& st = *state_;
  ::tcgetattr(STDIN_FILENO, &st.shellModes);
  chooseLocale();
  st.wakeFd = terminal_signals::install();

  st.screen = newterm(nullptr, stdout, stdin);
  const char* term = std::getenv("TERM");
  if (st.screen == nullptr) {
    terminal_signals::uninstall();
    std::fprintf(stderr, "thalvorine: this terminal (TERM=%s) is not known here.\n", term ? term : "");
    std::exit(2);
  }
  set_term(st.screen);
  if (capability("cup").empty()) {  // a terminal that cannot place the cursor would show nothing
    delscreen(st.screen);
    terminal_signals::uninstall();
    std::fprintf(stderr,
                 "thalvorine: this terminal (TERM=%s) cannot place the cursor; "
                 "play in one that can, such as xterm, linux or screen.\n",
                 term ? term : "");
    std::exit(2);
  }
  raw();  // Ctrl-C arrives as a key and ends the game cleanly; Ctrl-S cannot freeze it
  noecho();
  nonl();
  intrflush(stdscr, FALSE);
  keypad(stdscr, FALSE);  // the key sequences are ours to read, in every form terminals send them (KeyDecoder)
  nodelay(stdscr, TRUE);  // the waits are ours: they must also wake for signals
  typeahead(-1);  // a waiting key must never hold the screen back
  idlok(stdscr, TRUE);
  scrollok(stdscr, FALSE);
  leaveok(stdscr, TRUE);

  if (has_colors() && start_color() == OK) st.colours = colour::coloursToUse(COLORS, COLOR_PAIRS);
  if (st.colours > 0) st.plan = colour::PairPlan(st.colours);

  // Should the program die, these give the player's terminal back.
  terminal_signals::armRestore(
      capability("sgr0") + capability("cnorm") + capability("rmkx") + capability("rmcup"), STDOUT_FILENO,
      STDIN_FILENO, st.shellModes);
  st.titles = understandsTitles();
  st.sound = openSoundOutput();
  st.pace = DeadlinePace(speedupFrom(std::getenv("THALVORINE_SPEEDUP")));  // tests run the clock faster
  st.startSecond = static_cast<std::int64_t>(std::time(nullptr));
  st.started = Clock::now();
}

TerminalDevice::~TerminalDevice() {
  state_->restore();
  g_taken = false;
}

void TerminalDevice::State::restore() {
  if (screen == nullptr) return;
  if (cursorShown != 1) curs_set(1);
  endwin();
  delscreen(screen);
  screen = nullptr;
  terminal_signals::disarmRestore();
  terminal_signals::uninstall();
}

void TerminalDevice::State::endBy(int signal) {
  restore();
  terminal_signals::endBy(signal);
}

// ---- drawing ----

void TerminalDevice::present(const ScreenBuffer& screen) {
  State& st = *state_;
  st.last = &screen;
  if (terminal_signals::takeResize()) st.resize();
  st.draw();
}

void TerminalDevice::State::draw() {
  if (last == nullptr) return;
  if (COLS < kMinColumns || LINES < kMinRows) {
    drawNotice();
    return;
  }
  if (tooSmall) {
    tooSmall = false;
    shadowValid = false;
    clearok(curscr, TRUE);
  }
  if (last->clearAttribute() != screenAttr) {
    if (colours > 0) {
      setScreenColours(last->clearAttribute());
    } else {
      screenAttr = last->clearAttribute();  // without colours, the looks depend on it (colour::monochromeLookOf)
      shadowValid = false;
    }
  }

  const int rows = std::min(LINES, ScreenBuffer::kRows);
  const int top = last->viewTop(rows);
  if (!shadowValid || shadowRows != rows) {
    werase(stdscr);
    shadow.assign(static_cast<std::size_t>(rows) * ScreenBuffer::kColumns, Cell{0, 0xFFFF});
    shadowRows = rows;
    shadowValid = true;
  }
  for (int y = 0; y < rows; ++y) {
    Cell* seen = &shadow[static_cast<std::size_t>(y) * ScreenBuffer::kColumns];
    for (int x = 0; x < ScreenBuffer::kColumns; ++x) {
      const Cell& cell = last->at(x, top + y);
      if (seen[x] == cell) continue;
      putCell(y, x, cell);
      seen[x] = cell;
    }
  }
  placeCursor(top);
}

void TerminalDevice::State::putCell(int row, int column, const Cell& cell) {
  const wchar_t text[2] = {static_cast<wchar_t>(codepage::toUnicode(cell.ch)), L'\0'};
  attr_t attributes = A_NORMAL;
  short pair = 0;
  const colour::Look look =
      colours > 0 ? colour::lookOf(cell.attr, colours) : colour::monochromeLookOf(cell.attr, screenAttr);
  if (look.bold) attributes |= A_BOLD;
  if (look.reverse) attributes |= A_REVERSE;
  if (colours > 0) pair = static_cast<short>(plan.pairOf(cell.attr, screenAttr));
  cchar_t shown;
  setcchar(&shown, text, attributes, pair, nullptr);
  mvwadd_wchnstr(stdscr, row, column, &shown, 1);
}

// Pair 0 takes the screen's own colours, so that text written in them
// needs no colour change (see colour::PairPlan).
void TerminalDevice::State::setScreenColours(int attribute) {
  const int before = screenAttr;
  screenAttr = attribute;
  const colour::Look screenLook = plan.lookOfPair(0, attribute);
  assume_default_colors(screenLook.foreground, screenLook.background);
  auto define = [&](int pair) {
    if (pair <= 0) return;
    const colour::Look look = plan.lookOfPair(pair, attribute);
    init_pair(static_cast<short>(pair), static_cast<short>(look.foreground), static_cast<short>(look.background));
  };
  if (before < 0) {
    for (int pair = 1; pair < plan.combos(); ++pair) define(pair);
  } else {
    define(plan.movablePair(before));
    define(plan.movablePair(attribute));
  }
  // Cells drawn in pair 0 before now mean other colours: paint afresh.
  shadowValid = false;
  clearok(curscr, TRUE);
}

void TerminalDevice::State::placeCursor(int top) {
  if (wantCursor) {
    leaveok(stdscr, FALSE);
    wmove(stdscr, last->cursorY() - top, last->cursorX());
  } else {
    leaveok(stdscr, TRUE);
  }
  wnoutrefresh(stdscr);
  doupdate();
  const int shown = wantCursor ? 1 : 0;
  if (cursorShown != shown) {
    curs_set(shown);
    cursorShown = shown;
  }
}

void TerminalDevice::State::drawNotice() {
  tooSmall = true;
  shadowValid = false;
  werase(stdscr);
  char size[64];
  std::snprintf(size, sizeof size, "This one is %d x %d.", COLS, LINES);
  const std::string notice[] = {"Thalvorine needs a terminal", "of at least 80 x 24.", size,
                                "Please make it larger."};
  const int first = std::max(0, LINES / 2 - 2);
  for (int i = 0; i < 4 && first + i < LINES; ++i) {
    const int width = static_cast<int>(notice[i].size());
    mvwaddnstr(stdscr, first + i, std::max(0, (COLS - width) / 2), notice[i].c_str(), std::min(width, COLS));
  }
  leaveok(stdscr, TRUE);
  wnoutrefresh(stdscr);
  doupdate();
  if (cursorShown != 0) {
    curs_set(0);
    cursorShown = 0;
  }
}

void TerminalDevice::setCursorVisible(bool visible) { state_->wantCursor = visible; }

void TerminalDevice::setTitle(const std::string& title) {
  if (!state_->titles) return;
  std::string text = "\033]2;";
  for (char c : title) {
    const char32_t ch = codepage::toUnicode(static_cast<std::uint8_t>(c));
    if (ch >= 0x20 && ch != 0x7F && static_cast<std::uint8_t>(c) >= 0x20) codepage::appendUtf8(text, ch);
  }
  text += '\007';
  writeAll(STDOUT_FILENO, text);  // curses has sent all it had: every drawing ends in a refresh
}

// ---- signals, resizing and waiting ----

void TerminalDevice::State::serviceSignals() {
  if (const int signal = terminal_signals::pendingEnd(); signal != 0) endBy(signal);
  if (terminal_signals::takeResize()) resize();
}

void TerminalDevice::State::resize() {
  winsize size{};
  if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_row > 0 && size.ws_col > 0)
    resizeterm(size.ws_row, size.ws_col);
  shadowValid = false;
  clearok(curscr, TRUE);
  draw();
}

bool TerminalDevice::State::inputReady() {
  pollfd input{STDIN_FILENO, POLLIN, 0};
  return ::poll(&input, 1, 0) > 0;
}

// Moves every key curses has into the queue, as the game's codes.
void TerminalDevice::State::pumpInput() {
  for (;;) {
    wint_t value = 0;
    const int kind = wget_wch(stdscr, &value);
    if (kind == ERR) break;
    if (decoder.feed(kind == KEY_CODE_YES, static_cast<std::uint32_t>(value), keys)) endBy(SIGINT);
    if (!decoder.pending()) escapeEnds.reset();
    if (decoder.pending() && !escapeEnds)
      escapeEnds = Clock::now() + std::chrono::milliseconds(KeyDecoder::kEscapeDelayMs);
  }
  if (escapeEnds && Clock::now() >= *escapeEnds) {
    decoder.expire(keys);
    escapeEnds.reset();
  }
}

// Blocks until `deadline` (none: for ever) or, with `wakeOnInput`, until
// input or a signal arrives; answers signals meanwhile. Uses no CPU while
// it waits.
void TerminalDevice::State::waitUntil(std::optional<Clock::time_point> deadline, bool wakeOnInput) {
  for (;;) {
    serviceSignals();
    timespec left{};
    timespec* limit = nullptr;
    if (deadline) {
      const auto remaining = *deadline - Clock::now();
      if (remaining <= Clock::duration::zero()) return;
      const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(remaining).count();
      left.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
      left.tv_nsec = static_cast<long>(ns % 1'000'000'000);
      limit = &left;
    }
    pollfd fds[2] = {{wakeFd, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    const int n = ::ppoll(fds, wakeOnInput ? 2 : 1, limit, nullptr);
    if (n < 0) continue;  // interrupted by a signal: look at it above
    if (fds[0].revents != 0) terminal_signals::drainWakeups();
    if (!wakeOnInput) continue;
    if (fds[0].revents != 0) return;  // a resize, say: the caller looks again
    if (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL)) endBy(SIGHUP);  // the terminal is gone
    if (fds[1].revents & POLLIN) return;
  }
}

int TerminalDevice::readKey() {
  State& st = *state_;
  for (;;) {
    st.serviceSignals();
    if (st.keyReady()) {
      const int code = st.keys.front();
      st.keys.pop_front();
      st.pace.restart();  // the player's time is not the typewriter's
      return code;
    }
    st.pumpInput();
    if (!st.keyReady()) st.waitUntil(st.escapeEnds, true);
  }
}

bool TerminalDevice::keyWaiting() {
  State& st = *state_;
  st.serviceSignals();
  if (st.inputReady() || st.escapeEnds) st.pumpInput();
  return st.keyReady();
}

void TerminalDevice::sleepMs(int ms) {
  State& st = *state_;
  if (ms <= 0) {
    st.serviceSignals();
    return;
  }
  st.waitUntil(st.pace.deadline(Clock::now(), ms), false);
}

void TerminalDevice::beep(int frequency, int ms) {
  State& st = *state_;
  const auto deadline = st.pace.deadline(Clock::now(), ms);
  if (st.sound) {
    st.sound->play(frequency, st.pace.scaled(ms));
  } else {
    ::beep();
  }
  st.waitUntil(deadline, false);
}

std::int64_t TerminalDevice::calendarSecond() {
  const State& st = *state_;
  if (st.pace.speedup() == 1) return static_cast<std::int64_t>(std::time(nullptr));
  return st.pace.calendarSecond(st.startSecond, Clock::now() - st.started);
}

}  // namespace kiv
