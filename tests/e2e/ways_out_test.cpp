// Every way out of the game gives the player's terminal back.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <ostream>

#include "game_session.h"

extern char** environ;

namespace e2e {
namespace {

// Starts the game and waits until it waits for a key at the main menu.
void reachMainMenu(GameSession& game) {
  PtyTerminal& term = *game.terminal;
  ASSERT_TRUE(term.waitUntil([&] { return mainMenuShown(term); }, kPatience)) << term.screenText();
  term.settle(std::chrono::milliseconds(300), kPatience);
}

void expectKilledBy(PtyTerminal& term, int signal) {
  const auto status = term.waitExit(kPatience);
  ASSERT_TRUE(status.has_value()) << "the game did not end\n" << term.screenText();
  ASSERT_TRUE(WIFSIGNALED(*status)) << "status " << *status;
  EXPECT_EQ(WTERMSIG(*status), signal);
}

// The progress file is whole: either as written by the test or as the game
// saved it, and no temporary file is left beside it.
void expectProgressWhole(const GameSession& game) {
  const std::string saved = game.folder.read("game.dat");
  EXPECT_TRUE(saved.find("<RunningTime>2</RunningTime>") != std::string::npos ||
              saved == progressFile(1, "0.1.0"))
      << saved;
  EXPECT_NE(saved.find("</version>"), std::string::npos) << saved;
  EXPECT_EQ(game.folder.names(), std::vector<std::string>{"game.dat"});
}

struct Ending {
  const char* name;
  int signal;  // sent from outside, or 0 for Ctrl-C typed
  int endsBy;  // the signal the game ends by
};

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.name; }

class WaysOut : public ::testing::TestWithParam<Ending> {};

TEST_P(WaysOut, WhileWaitingForAKeyRestoreTheTerminal) {
  GameSession game(progressFile(1, "0.1.0"));
  PtyTerminal& term = *game.terminal;
  reachMainMenu(game);
  if (GetParam().signal == 0) {
    term.send("\x03");
  } else {
    ASSERT_EQ(::kill(term.pid(), GetParam().signal), 0);
  }
  expectKilledBy(term, GetParam().endsBy);
  expectTerminalRestored(term);
  expectProgressWhole(game);
}

INSTANTIATE_TEST_SUITE_P(Signals, WaysOut,
                         ::testing::Values(Ending{"Term", SIGTERM, SIGTERM}, Ending{"CtrlC", 0, SIGINT},
                                           Ending{"Abort", SIGABRT, SIGABRT}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WaysOut, HangUpDuringTheMelodyEndsTheGame) {
  GameSession game(progressFile(1, "0.1.0"));
  PtyTerminal& term = *game.terminal;
  ASSERT_TRUE(term.waitForText("Thalvorine", kPatience, 11)) << term.screenText();  // the melody plays
  ASSERT_EQ(::kill(term.pid(), SIGHUP), 0);
  expectKilledBy(term, SIGHUP);
  expectTerminalRestored(term);
}

TEST(WaysOut, OffATerminalTheGameSaysSoAndTouchesNothing) {
  TempFolder folder;
  TempFolder elsewhere;
  const std::string errPath = elsewhere.path() + "/stderr";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const std::string command = std::string("cd '") + folder.path() + "' && exec '" + THALVORINE_BINARY + "'";
  const char* argv[] = {"/bin/sh", "-c", command.c_str(), nullptr};
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, "/bin/sh", &actions, nullptr, const_cast<char**>(argv), environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 2);

  const std::string err = elsewhere.read("stderr");
  ASSERT_FALSE(err.empty());
  EXPECT_EQ(err.find('\n'), err.size() - 1) << "one line: " << err;
  EXPECT_TRUE(folder.names().empty()) << "the game touched its folder";
}

}  // namespace
}  // namespace e2e
