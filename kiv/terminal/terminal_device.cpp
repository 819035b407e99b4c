// The real terminal, composed of its parts: the locale's characters, the
// modes and signals, the keys as they come, and what the terminal shows.
#include "kiv/terminal/terminal_device.h"

#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cassert>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "kiv/core/deadline_pace.h"
#include "kiv/core/screen_buffer.h"
#include "kiv/core/write_all.h"
#include "kiv/sound/sound_output.h"
#include "kiv/terminal/terminal_charset.h"
#include "kiv/terminal/terminal_input.h"
#include "kiv/terminal/terminal_locale.h"
#include "kiv/terminal/terminal_modes.h"
#include "kiv/terminal/terminal_painter.h"
#include "kiv/terminal/terminal_screen.h"
#include "kiv/terminal/terminal_signals.h"

namespace kiv {
namespace {

using Clock = std::chrono::steady_clock;

bool g_taken = false;  // one terminal device at a time

// Why the loaded terminfo entry cannot be drawn on, or "" when it can.
std::string refusalOf(TerminalEntry entry) {
  const char* term = std::getenv("TERM");
  const std::string named = std::string("thalvorine: this terminal (TERM=") + (term != nullptr ? term : "") + ")";
  if (entry == TerminalEntry::kUnknown) return named + " is not known here.\n";
  if (entry == TerminalEntry::kCannotPlaceCursor)  // it would show nothing
    return named + " cannot place the cursor; play in one that can, such as xterm, linux or screen.\n";
  return {};
}

}  // namespace

bool isInteractiveTerminal() { return ::isatty(STDIN_FILENO) == 1 && ::isatty(STDOUT_FILENO) == 1; }

struct TerminalDevice::Parts {
  explicit Parts(std::string warning) : warning(std::move(warning)), screen(charset), input(STDIN_FILENO, charset) {}

  std::string warning;  // said on standard error after the game, when the letters could not show
  TerminalCharset charset;
  TerminalModes modes;
  TerminalScreen screen;
  TerminalInput input;
  std::unique_ptr<SoundOutput> sound;
  bool wantCursor = true;
  DeadlinePace pace;
  std::int64_t startSecond = 0;  // the calendar and the steady clock at the start
  Clock::time_point started;

  void take() { modes.take(screen.startSequence(), screen.endSequence()); }
  void serviceSignals();
  void redrawAll();
  void readInput();
  bool keyReady() { return !screen.tooSmall() && input.keyReady(); }
  void waitUntil(std::optional<Clock::time_point> deadline, bool wakeOnKey);
  [[noreturn]] void endBy(int signal);
};

std::unique_ptr<TerminalDevice> TerminalDevice::open(std::string& refusal) {
  assert(!g_taken && "only one terminal device at a time");
  std::string warning = chooseLocale();
  refusal = refusalOf(loadTerminalEntry(STDOUT_FILENO));
  if (!refusal.empty()) return nullptr;
  return std::unique_ptr<TerminalDevice>(new TerminalDevice(std::move(warning)));
}

TerminalDevice::TerminalDevice(std::string localeWarning) : parts_(std::make_unique<Parts>(std::move(localeWarning))) {
  g_taken = true;
  Parts& p = *parts_;
  if (p.charset.showsTurkish()) p.warning.clear();
  p.take();
  p.sound = openSoundOutput();
  ::prctl(PR_SET_TIMERSLACK, 1UL);  // each letter's pause ends at its deadline, not up to 50 µs later
  p.pace = DeadlinePace(speedupFrom(std::getenv("THALVORINE_SPEEDUP")));  // tests run the clock faster
  p.startSecond = static_cast<std::int64_t>(std::time(nullptr));
  p.started = Clock::now();
}

TerminalDevice::~TerminalDevice() {
  Parts& p = *parts_;
  p.modes.giveBack();
  const std::string warning = p.warning;
  parts_.reset();
  unloadTerminalEntry();
  if (!warning.empty()) std::fputs(warning.c_str(), stderr);
  g_taken = false;
}

void TerminalDevice::Parts::endBy(int signal) {
  modes.giveBack();
  terminal_signals::endBy(signal);
}

// ---- signals, stops and waiting ----

void TerminalDevice::Parts::redrawAll() {
  screen.readSize();
  screen.redraw(wantCursor);
}

void TerminalDevice::Parts::serviceSignals() {
  if (const int signal = terminal_signals::pendingEnd(); signal != 0) endBy(signal);
  if (terminal_signals::takeStop()) {
    modes.giveBack();
    terminal_signals::stopHere();
    take();
    terminal_signals::takeContinued();  // answered here
    redrawAll();
  }
  if (terminal_signals::takeContinued()) {  // stopped from outside: the shell may have written over the game
    modes.giveBack();
    take();
    redrawAll();
  }
  if (terminal_signals::takeResize()) redrawAll();
}

void TerminalDevice::Parts::readInput() {
  if (!input.readAvailable()) endBy(SIGHUP);  // the terminal is gone
}

// Blocks until `deadline` (none: for ever) or, with `wakeOnKey`, until a
// key is ready; reads the keys as they come and answers signals meanwhile.
// Uses no CPU while it waits.
void TerminalDevice::Parts::waitUntil(std::optional<Clock::time_point> deadline, bool wakeOnKey) {
  for (;;) {
    serviceSignals();
    if (wakeOnKey && keyReady()) return;
    std::optional<Clock::time_point> wakeAt = deadline;
    if (const auto decided = input.decidesAt(); decided && (!wakeAt || *decided < *wakeAt)) wakeAt = decided;
    timespec left{};
    timespec* limit = nullptr;
    if (wakeAt) {
      const auto remaining = std::max(Clock::duration::zero(), *wakeAt - Clock::now());
      if (deadline && Clock::now() >= *deadline) return;
      const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(remaining).count();
      left.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
      left.tv_nsec = static_cast<long>(ns % 1'000'000'000);
      limit = &left;
    }
    pollfd fds[2] = {{modes.wakeFd(), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    const int n = ::ppoll(fds, 2, limit, nullptr);
    if (n < 0) continue;  // interrupted by a signal: look at it above
    if (fds[0].revents != 0) terminal_signals::drainWakeups();
    if (fds[1].revents != 0) readInput();
  }
}

// ---- the device ----

void TerminalDevice::present(const ScreenBuffer& screen) {
  Parts& p = *parts_;
  if (terminal_signals::takeResize()) p.screen.readSize();
  p.screen.draw(screen, p.wantCursor);
}

void TerminalDevice::setCursorVisible(bool visible) { parts_->wantCursor = visible; }

void TerminalDevice::setTitle(const std::string& title) { parts_->screen.setTitle(title); }

bool TerminalDevice::looksAlike(int first, int second) { return parts_->screen.looksAlike(first, second); }

void TerminalDevice::useHighContrast() { parts_->screen.useHighContrast(); }

int TerminalDevice::readKey() {
  Parts& p = *parts_;
  p.readInput();
  p.waitUntil(std::nullopt, true);
  p.pace.restart();  // the player's time is not the typewriter's
  return p.input.takeKey();
}

bool TerminalDevice::keyWaiting() {
  Parts& p = *parts_;
  p.serviceSignals();
  p.readInput();
  return p.keyReady();
}

void TerminalDevice::sleepMs(int ms) {
  Parts& p = *parts_;
  if (ms <= 0) {
    p.serviceSignals();
    return;
  }
  p.waitUntil(p.pace.deadline(Clock::now(), ms), false);
}

void TerminalDevice::beep(int frequency, int ms) {
  Parts& p = *parts_;
  const auto deadline = p.pace.deadline(Clock::now(), ms);
  if (p.sound) {
    p.sound->play(frequency, p.pace.scaled(ms));
  } else {
    writeAll(STDOUT_FILENO, p.screen.bell());
  }
  p.waitUntil(deadline, false);
}

std::int64_t TerminalDevice::calendarSecond() {
  const Parts& p = *parts_;
  if (p.pace.speedup() == 1) return static_cast<std::int64_t>(std::time(nullptr));
  return p.pace.calendarSecond(p.startSecond, Clock::now() - p.started);
}

}  // namespace kiv
