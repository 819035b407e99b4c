// The signals that can end the game while it holds the terminal, and the last-resort restore.
#pragma once

#include <termios.h>

#include <string>

namespace kiv::terminal_signals {

// Installs the handlers, remembering what they replace. SIGINT, SIGTERM,
// SIGHUP and SIGQUIT only note themselves (a second one while the first is
// still unanswered ends the program at once, terminal restored); SIGWINCH
// notes a resize; SIGTSTP is ignored; SIGSEGV, SIGABRT, SIGBUS and SIGFPE
// restore the terminal, then hand over to the handler that was there before
// (a sanitizer's report), or end the program by the same signal. Returns a
// descriptor that becomes readable whenever a noted signal has arrived, so
// a blocking wait can wake up for it.
int install();
// Puts back the handlers found by install().
void uninstall();

// From now on a dying program writes `bytes` to `outputFd` and gives
// `inputFd` back `modes` (both with async-signal-safe calls only).
void armRestore(const std::string& bytes, int outputFd, int inputFd, const termios& modes);
void disarmRestore();

// The ending signal that has arrived and not been answered, or 0.
int pendingEnd();
// True once for each burst of resizes since the last call.
bool takeResize();
// Empties the wake-up descriptor after a wait woke on it.
void drainWakeups();

// Ends the program by `signal` with its default action (for SIGINT and
// friends: killed by that signal, as shells expect). The caller has
// restored the terminal.
[[noreturn]] void endBy(int signal);

}  // namespace kiv::terminal_signals
