// The real terminal, drawn through its terminfo entry and read as the locale's characters.
#include "kiv/terminal/terminal_device.h"

#include <langinfo.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cassert>
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

#include "kiv/terminal/colour_map.h"
#include "kiv/core/deadline_pace.h"
#include "kiv/core/screen_buffer.h"
#include "kiv/sound/sound_output.h"
#include "kiv/terminal/terminal_charset.h"
#include "kiv/terminal/terminal_keys.h"
#include "kiv/terminal/terminal_painter.h"
#include "kiv/terminal/terminal_signals.h"
#include "kiv/core/write_all.h"

namespace kiv {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMinColumns = ScreenBuffer::kColumns;
constexpr int kMinRows = 24;

bool g_taken = false;  // one terminal device at a time

// The locale setting the player asked for, or "".
std::string askedLocale() {
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

// The player's locale. When none is set at all, or the one asked for is
// not installed but names UTF-8, characters are UTF-8 anyway, the way
// nearly every terminal speaks today. Returns what the player should be
// told when the Turkish letters cannot show (after the game: the
// alternate screen would hide it now), or "".
std::string chooseLocale() {
  const std::string asked = askedLocale();
  std::setlocale(LC_ALL, "");
  const bool installed = std::setlocale(LC_CTYPE, "") != nullptr;  // the character set is what counts
  std::string name = asked;
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  const bool saysUtf8 = name.find("utf-8") != std::string::npos || name.find("utf8") != std::string::npos;
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0 && (asked.empty() || (!installed && saysUtf8)))
    std::setlocale(LC_CTYPE, "C.UTF-8");
  const std::string locale = "the locale " + (asked.empty() ? std::string("C") : asked);
  const char* why =
      installed ? " cannot show Turkish letters, so they were" : " is not installed here, so Turkish letters were";
  return "thalvorine: " + locale + why +
         " shown without their marks; to see them, play in a UTF-8 locale, such as LANG=tr_TR.UTF-8 or "
         "LANG=C.UTF-8.\n";
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

// The game's modes: keys one by one without echo, Ctrl-C and Ctrl-Z as
// keys (so Ctrl-C ends the game cleanly and Ctrl-S cannot freeze it), Enter
// as CR, all eight bits, and line feeds that do not return the carriage.
termios gameModes(const termios& shell) {
  termios modes = shell;
  modes.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ECHONL | ISIG | IEXTEN);
  modes.c_iflag &= ~static_cast<tcflag_t>(IXON | ICRNL | INLCR | IGNCR | ISTRIP | BRKINT | PARMRK);
  modes.c_oflag &= ~static_cast<tcflag_t>(ONLCR);
  modes.c_cc[VMIN] = 1;
  modes.c_cc[VTIME] = 0;
  return modes;
}

}  // namespace

bool isInteractiveTerminal() { return ::isatty(STDIN_FILENO) == 1 && ::isatty(STDOUT_FILENO) == 1; }

struct TerminalDevice::State {
  termios shellModes{};
  int wakeFd = -1;
  std::unique_ptr<SoundOutput> sound;
  bool titles = false;
  std::string warning;  // said on standard error after the game, when the letters could not show

  std::optional<TerminalCharset> charset;
  std::optional<TerminalPainter> painter;
  int colours = 0;  // 16, 8 or 0 (no colours)
  int screenAttr = -1;  // the screen's colour the looks were worked out for
  Looks looks;
  std::vector<ShownCell> cells;  // the window as the game wants it
  std::string output;

  const ScreenBuffer* last = nullptr;  // the buffer last presented, for redraws
  int lines = 24, columns = 80;         // the terminal's size
  bool tooSmall = false;

  bool wantCursor = true;

  std::deque<int> keys;  // codes read but not yet handed on (held while the notice is up)
  KeyDecoder decoder;
  std::u32string typed;
  std::optional<Clock::time_point> escapeEnds;  // when a begun escape sequence counts as ended
  DeadlinePace pace;
  std::int64_t startSecond = 0;  // the calendar and the steady clock at the start
  Clock::time_point started;
  bool taken = false;

  void draw();
  void drawNotice();
  void send();
  void readSize();

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
  const std::string warning = chooseLocale();

  const char* term = std::getenv("TERM");
  const TerminalEntry entry = loadTerminalEntry(STDOUT_FILENO);
  if (entry == TerminalEntry::kUnknown) {
    std::fprintf(stderr, "thalvorine: this terminal (TERM=%s) is not known here.\n", term ? term : "");
    std::exit(2);
  }
  if (entry == TerminalEntry::kCannotPlaceCursor) {  // it would show nothing
    std::fprintf(stderr,
                 "thalvorine: this terminal (TERM=%s) cannot place the cursor; "
                 "play in one that can, such as xterm, linux or screen.\n",
                 term ? term : "");
    std::exit(2);
  }
  st.painter.emplace(colour::coloursToUse(terminalNumber("colors")));
  st.colours = st.painter->colours();
  st.charset.emplace();
  st.painter->useCharset(*st.charset);
  if (!st.charset->showsTurkish()) st.warning = warning;

  st.wakeFd = terminal_signals::install();
  st.readSize();
  const termios modes = gameModes(st.shellModes);
  ::tcsetattr(STDIN_FILENO, TCSADRAIN, &modes);
  st.taken = true;
  writeAll(STDOUT_FILENO, st.painter->startSequence());

  st.titles = understandsTitles();
  st.sound = openSoundOutput();
  ::prctl(PR_SET_TIMERSLACK, 1UL);  // each letter's pause ends at its deadline, not up to 50 µs later
  st.pace = DeadlinePace(speedupFrom(std::getenv("THALVORINE_SPEEDUP")));  // tests run the clock faster
  st.startSecond = static_cast<std::int64_t>(std::time(nullptr));
  st.started = Clock::now();
}

TerminalDevice::~TerminalDevice() {
  state_->restore();
  g_taken = false;
}

void TerminalDevice::State::restore() {
  if (!taken) return;
  taken = false;
  writeAll(STDOUT_FILENO, painter->endSequence());
  ::tcsetattr(STDIN_FILENO, TCSADRAIN, &shellModes);
  terminal_signals::disarmRestore();
  terminal_signals::uninstall();
  unloadTerminalEntry();
  if (!warning.empty()) std::fputs(warning.c_str(), stderr);
}

void TerminalDevice::State::endBy(int signal) {
  restore();
  terminal_signals::endBy(signal);
}

// ---- drawing ----

// The terminal's size; everything on it is unknown afterwards. Should the
// program die, the restore bytes give the player's terminal back.
void TerminalDevice::State::readSize() {
  winsize size{};
  if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_row > 0 && size.ws_col > 0) {
    lines = size.ws_row;
    columns = size.ws_col;
  } else {
    lines = std::max(1, terminalNumber("lines"));
    columns = std::max(1, terminalNumber("cols"));
  }
  painter->reset(lines, columns);
  terminal_signals::armRestore(painter->endSequence(), STDOUT_FILENO, STDIN_FILENO, shellModes);
}

void TerminalDevice::present(const ScreenBuffer& screen) {
  State& st = *state_;
  st.last = &screen;
  if (terminal_signals::takeResize()) st.resize();
  st.draw();
}

void TerminalDevice::State::send() {
  writeAll(STDOUT_FILENO, output);
  output.clear();
}

void TerminalDevice::State::draw() {
  if (last == nullptr) return;
  if (columns < kMinColumns || lines < kMinRows) {
    drawNotice();
    return;
  }
  tooSmall = false;
  if (last->clearAttribute() != screenAttr) {  // without colours, the looks depend on it (colour::monochromeLookOf)
    screenAttr = last->clearAttribute();
    for (int attribute = 0; attribute < 256; ++attribute)
      looks[attribute] = colours > 0 ? colour::lookOf(attribute, colours)
                                     : colour::monochromeLookOf(attribute, screenAttr);
  }
  const int rows = std::min(lines, ScreenBuffer::kRows);
  const int top = last->viewTop(rows);
  cells.resize(static_cast<std::size_t>(rows) * ScreenBuffer::kColumns);
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < ScreenBuffer::kColumns; ++x) {
      const Cell& cell = last->at(x, top + y);
      cells[static_cast<std::size_t>(y) * ScreenBuffer::kColumns + x] = {cell.ch, static_cast<std::uint8_t>(cell.attr)};
    }
  std::optional<CursorAt> cursor;
  if (wantCursor) cursor = CursorAt{last->cursorY() - top, last->cursorX()};
  painter->paint(cells, ScreenBuffer::kColumns, looks, static_cast<std::uint8_t>(screenAttr), cursor, output);
  send();
}

void TerminalDevice::State::drawNotice() {
  tooSmall = true;
  const auto look = static_cast<std::uint8_t>(std::max(screenAttr, 0));  // the screen's colour, once seen
  const int rows = std::min(lines, ScreenBuffer::kRows);
  cells.assign(static_cast<std::size_t>(rows) * columns, ShownCell{' ', look});
  char size[64];
  std::snprintf(size, sizeof size, "This one is %d x %d.", columns, lines);
  const std::string notice[] = {"Thalvorine needs a terminal", "of at least 80 x 24.", size,
                                "Please make it larger."};
  const int first = std::max(0, rows / 2 - 2);
  for (int i = 0; i < 4 && first + i < rows; ++i) {
    const int width = std::min(static_cast<int>(notice[i].size()), columns);
    const int left = std::max(0, (columns - width) / 2);
    for (int x = 0; x < width; ++x)
      cells[static_cast<std::size_t>(first + i) * columns + left + x].byte = static_cast<std::uint8_t>(notice[i][x]);
  }
  painter->paint(cells, columns, looks, look, std::nullopt, output);
  send();
}

void TerminalDevice::setCursorVisible(bool visible) { state_->wantCursor = visible; }

bool TerminalDevice::looksAlike(int first, int second) {
  return colour::screensLookAlike(first, second, state_->colours);
}

void TerminalDevice::setTitle(const std::string& title) {
  if (!state_->titles) return;
  writeAll(STDOUT_FILENO, "\033]2;" + state_->charset->plainText(title) + '\007');
}

// ---- signals, resizing and waiting ----

void TerminalDevice::State::serviceSignals() {
  if (const int signal = terminal_signals::pendingEnd(); signal != 0) endBy(signal);
  if (terminal_signals::takeResize()) resize();
}

void TerminalDevice::State::resize() {
  readSize();
  draw();
}

bool TerminalDevice::State::inputReady() {
  pollfd input{STDIN_FILENO, POLLIN, 0};
  return ::poll(&input, 1, 0) > 0;
}

// Moves every key the terminal has sent into the queue, as the game's codes.
void TerminalDevice::State::pumpInput() {
  while (inputReady()) {
    char bytes[256];
    const ssize_t n = ::read(STDIN_FILENO, bytes, sizeof bytes);
    if (n <= 0) break;
    typed.clear();
    charset->decode(std::string_view(bytes, static_cast<std::size_t>(n)), typed);
    for (char32_t ch : typed) {
      if (decoder.feed(ch, keys)) endBy(SIGINT);
      if (!decoder.pending()) escapeEnds.reset();
      if (decoder.pending() && !escapeEnds)
        escapeEnds = Clock::now() + std::chrono::milliseconds(KeyDecoder::kEscapeDelayMs);
    }
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
    writeAll(STDOUT_FILENO, st.painter->bell());
  }
  st.waitUntil(deadline, false);
}

std::int64_t TerminalDevice::calendarSecond() {
  const State& st = *state_;
  if (st.pace.speedup() == 1) return static_cast<std::int64_t>(std::time(nullptr));
  return st.pace.calendarSecond(st.startSecond, Clock::now() - st.started);
}

}  // namespace kiv
