// The programs' command lines, and a recording of the game: made only when
// the game starts, and never left broken without a word.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <ostream>
#include <vector>

#include "game_session.h"

namespace e2e {
namespace {

using testing::HasSubstr;

struct CommandLine {
  const char* name;
  const char* program;
  std::vector<std::string> arguments;
  int status;
  const char* out;  // what standard output starts with
  const char* err;  // what standard error starts with
};

void PrintTo(const CommandLine& line, std::ostream* out) { *out << line.name; }

// Runs `line` off any terminal, its standard output and error kept apart.
int run(const CommandLine& line, const TempFolder& folder, std::string& out, std::string& err) {
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, 1, (folder.path() / "out").c_str(), O_WRONLY | O_CREAT, 0600);
  posix_spawn_file_actions_addopen(&files, 2, (folder.path() / "err").c_str(), O_WRONLY | O_CREAT, 0600);
  std::vector<char*> argv{const_cast<char*>(line.program)};
  for (const std::string& argument : line.arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  int status = -1;
  if (posix_spawn(&pid, line.program, &files, nullptr, argv.data(), environ) == 0) ::waitpid(pid, &status, 0);
  posix_spawn_file_actions_destroy(&files);
  out = folder.read("out");
  err = folder.read("err");
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class CommandLines : public ::testing::TestWithParam<CommandLine> {};

TEST_P(CommandLines, AnswerAsUnixProgramsDo) {
  const CommandLine& line = GetParam();
  TempFolder folder;
  std::string out, err;
  EXPECT_EQ(run(line, folder, out, err), line.status) << err;
  EXPECT_EQ(out.substr(0, std::string(line.out).size()), line.out) << out;
  EXPECT_EQ(err.substr(0, std::string(line.err).size()), line.err) << err;
  if (line.status == 2) {
    EXPECT_TRUE(out.empty()) << out;
  }
}

const char* const kGame = THALVORINE_BINARY;
const char* const kReplay = THALVORINE_REPLAY_BINARY;
const char* const kWorld = THALVORINE_WORLD_BINARY;

const CommandLine kCommandLines[] = {
    {"Help", kGame, {"--help"}, 0, "usage: thalvorine [--plain [--bell]] [--high-contrast] [--silent]", ""},
    {"PlainInputEnded", kGame, {"--plain"}, 3, "There are some problems", "thalvorine: the input ended before"},
    {"HelpAfterAnOption", kGame, {"--silent", "--help"}, 0, "usage: thalvorine ", ""},
    {"Version", kGame, {"--version"}, 0, "thalvorine (Thalvorine) 0.", ""},
    {"Unknown", kGame, {"--bogus"}, 2, "", "thalvorine: unknown option --bogus\nusage: thalvorine "},
    {"Stray", kGame, {"bogus"}, 2, "", "thalvorine: unexpected argument bogus\nusage: "},
    {"RecordWithoutFile", kGame, {"--silent", "--record"}, 2, "", "thalvorine: --record needs"},
    {"RecordEmpty", kGame, {"--record="}, 2, "", "thalvorine: --record needs"},
    {"ChooseFromNothing", kGame, {"--choose-world"}, 2, "", "thalvorine: --choose-world needs the world"},
    {"ChooseOffATerminal", kGame, {"--choose-world", "a"}, 3, "", "thalvorine: the input ended"},
    {"ListAWorldWithoutTitle", kGame, {"--list-worlds", "/none/tales/"}, 0, "tales            tales\n", ""},
    {"ReplayHelp", kReplay, {"--help"}, 0, "usage: thalvorine-replay ", ""},
    {"ReplayUnknown",
     kReplay,
     {"--bogus", "x.rec"},
     2,
     "",
     "thalvorine-replay: unknown option --bogus\nusage: thalvorine-replay "},
    {"ReplayNothing", kReplay, {}, 2, "", "thalvorine-replay: which recording?\nusage: "},
    {"WorldVersion", kWorld, {"--version"}, 0, "thalvorine-world (Thalvorine) 0.", ""},
    {"WorldHelp", kWorld, {"--help"}, 0, "usage: thalvorine-world new ", ""},
    {"WorldUnknown", kWorld, {"renew", "x"}, 2, "", "thalvorine-world: unknown command renew\nusage: "}};
INSTANTIATE_TEST_SUITE_P(Programs, CommandLines, ::testing::ValuesIn(kCommandLines),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StoryChoice, OnATerminalShowsTheTitlesAndEndsWithTheChosenOnesStatus) {
  TempFolder worlds;
  worlds.write("deniz/title", "Deniz Feneri\n");
  worlds.write("sehir/title",
               "\x9E"
               "ehir\n");  // code page 857: "Şehir"
  GameSession game(
      {.runningTime = -1,
       .arguments = {"--choose-world", (worlds.path() / "deniz").string(), (worlds.path() / "sehir").string()}});
  PtyTerminal& term = *game.terminal;
  ASSERT_SEEN(term, term.shows("Şehir") && term.cell(35, 9).look == kSelected);
  EXPECT_EQ(term.rowText(9), std::string(34, ' ') + "Deniz Feneri");
  term.send("\x1b[B");
  ASSERT_SEEN(term, term.cell(35, 12).look == kSelected);
  EXPECT_EQ(term.cell(35, 9).look, kUnselected);
  term.send("\r");
  EXPECT_TRUE(exitedWith(term, 11));
  EXPECT_TRUE(term.modesAsAtStart());
}

// Ends the game at the main menu through the exit question.
void leave(PtyTerminal& term) {
  ASSERT_SEEN(term, mainMenuAt(term, 6));
  quitFromTheMainMenu(term);
}

TEST(HighContrast, DrawsTheSelectedButtonLightGreenWhereDarkGreenIsTooDim) {
  GameSession game({.arguments = {"--high-contrast"}});
  PtyTerminal& term = *game.terminal;
  ASSERT_SEEN(term, mainMenuAt(term, 6, Look{10, 0}));
  quitFromTheMainMenu(term);
}

TEST(Recording, IsNotMadeWhenTheTerminalIsRefused) {
  GameSession game({.term = "no-such-terminal", .arguments = {"--record", "bug.rec"}});
  EXPECT_TRUE(exitedWith(*game.terminal, 2)) << game.terminal->output();
  EXPECT_FALSE(std::filesystem::exists(game.folder.path() / "bug.rec"));
}

TEST(Recording, JoinedToItsOptionRecordsTheGame) {
  GameSession game({.arguments = {"--record=bug.rec"}});
  leave(*game.terminal);
  EXPECT_THAT(game.folder.read("bug.rec"), HasSubstr(" key Esc\n"));
}

TEST(Recording, ThatCannotBeWrittenIsSaidAfterTheGame) {
  GameSession game({.arguments = {"--record", "/dev/full"}});
  leave(*game.terminal);  // with the game's own status
  EXPECT_THAT(game.terminal->output(),
              HasSubstr("thalvorine: the recording /dev/full could not be written: No space left"));
}

TEST(Recording, CutShortByAFullDiskKeepsItsWholeLines) {
  constexpr rlim_t kLimit = 400;  // the start and a dozen keys
  GameSession game({.arguments = {"--record", "bug.rec"}, .fileSizeLimit = kLimit});
  PtyTerminal& term = *game.terminal;
  ASSERT_SEEN(term, mainMenuAt(term, 6));
  for (int i = 0; i < 30; ++i) term.send("\x1b[B\x1b[A");
  leave(term);
  const std::string recorded = game.folder.read("bug.rec");
  ASSERT_GT(recorded.size(), 200u) << "the start of the game is kept";
  EXPECT_LT(recorded.size(), kLimit);
  EXPECT_EQ(recorded.back(), '\n') << "ends mid-line: " << recorded.substr(recorded.rfind('\n'));
  EXPECT_THAT(term.output(),
              HasSubstr("thalvorine: the recording bug.rec could not be written in full (File too large)"));
}

}  // namespace
}  // namespace e2e
