// One run of the real game on a pseudo-terminal, in a folder of its own.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <memory>
#include <string>

#include "pty_terminal.h"

namespace e2e {

// Generous: the game plays in real time (beeps of up to 700 ms, a warning
// of 3 s) and may run under the sanitizers on a busy machine.
constexpr auto kPatience = std::chrono::milliseconds(30'000);

inline std::string progressFile(int runningTime, const std::string& version) {
  return "<?xml version=\"1.0\"?>\n<RunningTime>" + std::to_string(runningTime) + "</RunningTime>\n<version>" +
         version + "</version>\n";
}

class GameSession {
 public:
  // A folder holding only `game.dat` (when given), and the game started in it.
  explicit GameSession(const std::string& gameDat, int columns = 80, int rows = 25) {
    if (!gameDat.empty()) folder.write("game.dat", gameDat);
    PtyTerminal::Options options;
    options.columns = columns;
    options.rows = rows;
    options.workingDirectory = folder.path();
    terminal = std::make_unique<PtyTerminal>(std::vector<std::string>{THALVORINE_BINARY}, options);
  }

  TempFolder folder;
  std::unique_ptr<PtyTerminal> terminal;
};

// The main menu waits for its key: its first button selected (green on
// black) above the second (yellow on black); no screen of the palette has
// those colours.
inline bool mainMenuShown(const PtyTerminal& terminal) {
  const PtyTerminal::Cell first = terminal.cell(61, 6);
  const PtyTerminal::Cell second = terminal.cell(61, 10);
  return first.foreground == 2 && first.background == 0 && second.foreground == 11 && second.background == 0;
}

// The player's terminal as it was before the game: the game's screen gone,
// the cursor shown, plain text, and the line discipline's modes back.
inline void expectTerminalRestored(const PtyTerminal& terminal) {
  EXPECT_FALSE(terminal.alternateScreen()) << "still on the alternate screen";
  EXPECT_TRUE(terminal.cursorVisible()) << "the cursor stays hidden";
  EXPECT_TRUE(terminal.penIsPlain()) << "colours or attributes left on";
  const termios now = terminal.modes();
  const termios& before = terminal.modesAtStart();
  EXPECT_EQ(now.c_lflag, before.c_lflag) << "echo, canonical input or signals not given back";
  EXPECT_EQ(now.c_iflag, before.c_iflag);
  EXPECT_EQ(now.c_oflag, before.c_oflag);
  EXPECT_EQ(now.c_cflag, before.c_cflag);
  const std::string& out = terminal.output();
  const auto entered = out.rfind("\x1b[?1049h");
  ASSERT_NE(entered, std::string::npos) << "the game never took the alternate screen";
  EXPECT_NE(out.find("\x1b[?1049l", entered), std::string::npos) << "the alternate screen was never left";
}

// Answers the exit question (already on screen, its first button selected)
// with Enter: the game ends with status 1 and gives the terminal back.
inline void expectExitWithStatusOne(PtyTerminal& terminal) {
  terminal.press(VTERM_KEY_ENTER);
  const auto status = terminal.waitExit(kPatience);
  ASSERT_TRUE(status.has_value()) << terminal.screenText();
  ASSERT_TRUE(WIFEXITED(*status)) << "status " << *status;
  EXPECT_EQ(WEXITSTATUS(*status), 1);
  expectTerminalRestored(terminal);
}

}  // namespace e2e
