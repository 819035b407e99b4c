// One run of the real game on a pseudo-terminal, in a folder of its own, its clock sped up.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "pty_terminal.h"
#include "temp_folder.h"

namespace e2e {

// Generous, for a busy machine and the sanitizers; a passing test waits
// only as long as the game takes.
constexpr auto kPatience = 20s;

struct Start {
  std::string term = "xterm-256color";
  int runningTime = 1;  // the progress file's count of games (0: a first run, -1: no file)
  int speedup = 40;     // THALVORINE_SPEEDUP: a second of the game lasts 25 ms
  int nullFd = -1;      // see PtyTerminal::Options
  const char* locale = "C.UTF-8";
  std::vector<std::string> arguments = {};  // the game's command line after its name
  long fileSizeLimit = -1;                  // see PtyTerminal::Options; a full disk
};

class GameSession {
 public:
  explicit GameSession(const Start& start = {}) {
    if (start.runningTime >= 0)
      folder.write("game.dat", "<?xml version=\"1.0\"?>\n<RunningTime>" + std::to_string(start.runningTime) +
                                   "</RunningTime>\n<version>0.1.0</version>\n");
    PtyTerminal::Options options;
    options.workingDirectory = folder.path();
    options.environment = {"TERM=" + start.term, std::string("LC_ALL=") + start.locale,
                           "THALVORINE_SPEEDUP=" + std::to_string(start.speedup)};
    options.nullFd = start.nullFd;
    options.fileSizeLimit = start.fileSizeLimit;
    terminal = std::make_unique<PtyTerminal>(
        [&start] {
          std::vector<char*> argv{const_cast<char*>(THALVORINE_BINARY)};
          for (const std::string& argument : start.arguments) argv.push_back(const_cast<char*>(argument.c_str()));
          argv.push_back(nullptr);
          ::execv(THALVORINE_BINARY, argv.data());
          return 127;
        },
        options);
  }
  TempFolder folder;  // outlives the game, which plays in it
  std::unique_ptr<PtyTerminal> terminal;
};

using Look = PtyTerminal::Look;

// On 256 colours: the selected button green on black, the others yellow.
constexpr Look kSelected{2, 0};
constexpr Look kUnselected{11, 0};

// The main menu waits with its button on `row` (6, 10 or 14) selected.
inline bool mainMenuAt(const PtyTerminal& term, int row, Look selected = kSelected, Look other = kUnselected) {
  for (int buttonRow : {6, 10, 14})
    if (term.cell(61, buttonRow).look != (buttonRow == row ? selected : other)) return false;
  return true;
}

// Types Esc, and `then` as keys of their own a moment later (what comes
// with an Esc at once is an Alt chord).
inline void escThen(PtyTerminal& term, const std::string& then) {
  term.send("\x1b");
  term.waitUntil([] { return false; }, 150ms);
  term.send(then);
}

// Waits for the game's end; true if it exited with `code`.
inline bool exitedWith(PtyTerminal& term, int code) { return term.waitExit(kPatience) == W_EXITCODE(code, 0); }

// Says Yes to the exit question from the main menu: the game must end with status 1.
inline void quitFromTheMainMenu(PtyTerminal& term) {
  escThen(term, "\r");
  EXPECT_TRUE(exitedWith(term, 1)) << term.screenText();
}

}  // namespace e2e

// Waits until the condition holds on `term`, else fails the test showing its screen.
#define ASSERT_SEEN(term, ...) \
  ASSERT_TRUE((term).waitUntil([&] { return __VA_ARGS__; }, e2e::kPatience)) << (term).screenText()
