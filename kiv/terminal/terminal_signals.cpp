// Signal handlers that only set flags, except the crash path's restore.
#include "kiv/terminal/terminal_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace kiv::terminal_signals {
namespace {

// Signals whose default ends the program, besides the crashes and the
// real-time ones: they end the game cleanly at its next wait.
constexpr int kEndSignals[] = {SIGINT,    SIGTERM, SIGHUP,  SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM,
                               SIGVTALRM, SIGPROF, SIGPIPE, SIGXCPU, SIGIO,   SIGPWR,  SIGSTKFLT};
constexpr int kCrashSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGSYS};
constexpr int kMostHandled = 128;

volatile sig_atomic_t g_pendingEnd = 0;
volatile sig_atomic_t g_resized = 0;
volatile sig_atomic_t g_stop = 0;
volatile sig_atomic_t g_continued = 0;
int g_wakeRead = -1;
int g_wakeWrite = -1;

// The restore for a dying program, prepared in advance.
volatile sig_atomic_t g_armed = 0;
char g_restoreBytes[512];
std::size_t g_restoreLength = 0;
int g_outputFd = -1;
int g_inputFd = -1;
termios g_modes{};

struct Saved {
  int signal;
  struct sigaction action;
};
Saved g_saved[kMostHandled];
int g_savedCount = 0;

// Space for the crash handler when the stack itself has overflowed.
alignas(16) char g_altStack[64 * 1024];

void wake() {
  const int saved = errno;
  if (g_wakeWrite >= 0) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_wakeWrite, &byte, 1);
  }
  errno = saved;
}

void restoreNow() {
  if (!g_armed) return;
  g_armed = 0;
  std::size_t done = 0;
  while (done < g_restoreLength) {
    const ssize_t n = ::write(g_outputFd, g_restoreBytes + done, g_restoreLength - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::tcsetattr(g_inputFd, TCSANOW, &g_modes);
}

void onEnd(int sig) {
  if (g_pendingEnd != 0) {  // asked twice: the game is not listening, so go now
    restoreNow();
    ::signal(sig, SIG_DFL);
    ::raise(sig);
    return;
  }
  g_pendingEnd = sig;
  wake();
}

void onResize(int) {
  g_resized = 1;
  wake();
}

void onStop(int) {
  g_stop = 1;
  wake();
}

void onContinue(int) {
  g_continued = 1;
  wake();
}

const struct sigaction* savedAction(int sig) {
  for (int i = 0; i < g_savedCount; ++i)
    if (g_saved[i].signal == sig) return &g_saved[i].action;
  return nullptr;
}

// Restores the terminal, then lets the handler that was there before (a
// sanitizer's report) or the default action finish the program.
void onCrash(int sig, siginfo_t* info, void* context) {
  restoreNow();
  const struct sigaction* before = savedAction(sig);
  if (before != nullptr && (before->sa_flags & SA_SIGINFO) != 0 && before->sa_sigaction != nullptr) {
    before->sa_sigaction(sig, info, context);
  } else if (before != nullptr && before->sa_handler != SIG_DFL && before->sa_handler != SIG_IGN &&
             before->sa_handler != nullptr) {
    before->sa_handler(sig);
  }
  ::signal(sig, SIG_DFL);
  ::raise(sig);  // at once (SA_NODEFER), or again on returning to the faulting instruction
}

void save(int sig, const struct sigaction& action) {
  if (g_savedCount == kMostHandled) return;
  Saved& saved = g_saved[g_savedCount++];
  saved.signal = sig;
  ::sigaction(sig, &action, &saved.action);
}

void handle(int sig, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a wait wakes up at once
  save(sig, action);
}

void handleCrash(int sig) {
  struct sigaction action {};
  action.sa_sigaction = onCrash;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_SIGINFO | SA_RESETHAND | SA_NODEFER | SA_ONSTACK;
  save(sig, action);
}

void useAltStack() {
  stack_t current{};
  if (::sigaltstack(nullptr, &current) == 0 && (current.ss_flags & SS_DISABLE) == 0) return;
  stack_t ours{};
  ours.ss_sp = g_altStack;
  ours.ss_size = sizeof g_altStack;
  ::sigaltstack(&ours, nullptr);
}

void unblock(int sig) {
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, sig);
  ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
}

}  // namespace

int install() {
  if (g_wakeRead < 0) {
    int fds[2];
    if (::pipe(fds) == 0) {
      for (int fd : fds) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
      }
      g_wakeRead = fds[0];
      g_wakeWrite = fds[1];
    }
  }
  g_pendingEnd = 0;
  g_resized = 0;
  g_stop = 0;
  g_continued = 0;
  g_savedCount = 0;
  useAltStack();
  for (int sig : kEndSignals) handle(sig, onEnd);
  for (int sig = SIGRTMIN; sig <= SIGRTMAX; ++sig) handle(sig, onEnd);
  handle(SIGWINCH, onResize);
  handle(SIGTSTP, onStop);
  handle(SIGCONT, onContinue);
  handle(SIGXFSZ, SIG_IGN);
  for (int sig : kCrashSignals) handleCrash(sig);
  return g_wakeRead;
}

void uninstall() {
  while (g_savedCount > 0) {
    const Saved& saved = g_saved[--g_savedCount];
    ::sigaction(saved.signal, &saved.action, nullptr);
  }
}

void armRestore(const std::string& bytes, int outputFd, int inputFd, const termios& modes) {
  g_armed = 0;
  g_restoreLength = std::min(bytes.size(), sizeof g_restoreBytes);
  std::memcpy(g_restoreBytes, bytes.data(), g_restoreLength);
  g_outputFd = outputFd;
  g_inputFd = inputFd;
  g_modes = modes;
  g_armed = 1;
}

void disarmRestore() { g_armed = 0; }

int pendingEnd() { return g_pendingEnd; }

namespace {
bool take(volatile sig_atomic_t& flag) {
  if (!flag) return false;
  flag = 0;
  return true;
}
}  // namespace

bool takeResize() { return take(g_resized); }
bool takeStop() { return take(g_stop); }
bool takeContinued() { return take(g_continued); }

void drainWakeups() {
  char buffer[64];
  while (g_wakeRead >= 0 && ::read(g_wakeRead, buffer, sizeof buffer) > 0) {
  }
}

void stopHere() {
  struct sigaction ours {};
  struct sigaction byDefault {};
  byDefault.sa_handler = SIG_DFL;
  sigemptyset(&byDefault.sa_mask);
  ::sigaction(SIGTSTP, &byDefault, &ours);
  unblock(SIGTSTP);
  ::raise(SIGTSTP);
  ::sigaction(SIGTSTP, &ours, nullptr);
}

void endBy(int signal) {
  uninstall();
  ::signal(signal, SIG_DFL);
  unblock(signal);
  ::raise(signal);
  ::_exit(128 + signal);
}

}  // namespace kiv::terminal_signals
