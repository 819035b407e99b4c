// The signals that can end or stop the game while it holds the terminal, and the last-resort restore.
#pragma once

#include <termios.h>

#include <string>

namespace kiv::terminal_signals {

// Installs the handlers, remembering what they replace. Every signal whose
// default is to end the program (SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1,
// SIGPIPE, SIGALRM, the real-time ones ...) only notes itself (a second one
// while the first is still unanswered ends the program at once, terminal
// restored); SIGWINCH notes a resize, SIGTSTP a wish to stop, SIGCONT that
// the program went on after a stop; SIGXFSZ is ignored, so that a write past
// the file-size limit fails instead; SIGSEGV, SIGABRT, SIGBUS, SIGFPE,
// SIGILL, SIGTRAP and SIGSYS restore the terminal, then hand over to the
// handler that was there before (a sanitizer's report), or end the program
// by the same signal. Returns a descriptor that becomes readable whenever a
// noted signal has arrived, so a blocking wait can wake up for it.
int install();
// Puts back the handlers found by install().
void uninstall();

// From now on a dying program writes `bytes` to `outputFd` and gives
// `inputFd` back `modes` (both with async-signal-safe calls only).
void armRestore(const std::string& bytes, int outputFd, int inputFd, const termios& modes);
void disarmRestore();

// The ending signal that has arrived and not been answered, or 0.
int pendingEnd();
// True once for each burst of resizes, of stop requests, of continuations
// since the last call.
bool takeResize();
bool takeStop();
bool takeContinued();
// Empties the wake-up descriptor after a wait woke on it.
void drainWakeups();

// Stops the program as SIGTSTP does by default, and returns once it is
// continued (at once, where no shell could continue it). The caller has
// given the terminal back.
void stopHere();

// Ends the program by `signal` with its default action (for SIGINT and
// friends: killed by that signal, as shells expect). The caller has
// restored the terminal.
[[noreturn]] void endBy(int signal);

}  // namespace kiv::terminal_signals
