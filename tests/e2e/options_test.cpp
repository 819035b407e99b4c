// The programs' command lines, and a recording of the game: made only when
// the game starts, and never left broken without a word.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <ostream>
#include <vector>

#include "game_session.h"

namespace e2e {
namespace {

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

INSTANTIATE_TEST_SUITE_P(
    Programs, CommandLines,
    ::testing::Values(
        CommandLine{"Help", kGame, {"--help"}, 0, "usage: thalvorine [--silent] [--record FILE]\n", ""},
        CommandLine{"HelpAfterAnOption", kGame, {"--silent", "--help"}, 0, "usage: thalvorine ", ""},
        CommandLine{"Version", kGame, {"--version"}, 0, "thalvorine (Thalvorine) 0.", ""},
        CommandLine{"Unknown", kGame, {"--bogus"}, 2, "", "thalvorine: unknown option --bogus\nusage: thalvorine "},
        CommandLine{"Stray", kGame, {"bogus"}, 2, "", "thalvorine: unexpected argument bogus\nusage: "},
        CommandLine{"RecordWithoutFile", kGame, {"--silent", "--record"}, 2, "", "thalvorine: --record needs"},
        CommandLine{"RecordEmpty", kGame, {"--record="}, 2, "", "thalvorine: --record needs"},
        CommandLine{
            "ChooseFromNothing", kGame, {"--choose-world"}, 2, "", "thalvorine: --choose-world needs the world"},
        CommandLine{"ChooseOffATerminal", kGame, {"--choose-world", "a"}, 2, "", "thalvorine: this game plays in a"},
        CommandLine{
            "ListAWorldWithoutTitle", kGame, {"--list-worlds", "/none/tales/"}, 0, "tales            tales\n", ""},
        CommandLine{"ReplayHelp", kReplay, {"--help"}, 0, "usage: thalvorine-replay ", ""},
        CommandLine{"ReplayUnknown",
                    kReplay,
                    {"--bogus", "x.rec"},
                    2,
                    "",
                    "thalvorine-replay: unknown option --bogus\nusage: thalvorine-replay "},
        CommandLine{"ReplayNothing", kReplay, {}, 2, "", "thalvorine-replay: which recording?\nusage: "},
        CommandLine{"WorldVersion", kWorld, {"--version"}, 0, "thalvorine-world (Thalvorine) 0.", ""},
        CommandLine{"WorldHelp", kWorld, {"--help"}, 0, "usage: thalvorine-world new ", ""},
        CommandLine{"WorldUnknown", kWorld, {"renew", "x"}, 2, "", "thalvorine-world: unknown command renew\nusage: "}),
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
  ASSERT_TRUE(term.waitUntil([&] { return term.shows("Şehir") && term.cell(35, 9).look == kSelected; }, kPatience))
      << term.screenText();
  EXPECT_EQ(term.rowText(9), std::string(34, ' ') + "Deniz Feneri");
  term.send("\x1b[B");
  ASSERT_TRUE(term.waitUntil([&] { return term.cell(35, 12).look == kSelected; }, kPatience)) << term.screenText();
  EXPECT_EQ(term.cell(35, 9).look, kUnselected);
  term.send("\r");
  EXPECT_TRUE(exitedWith(term, 11));
  EXPECT_TRUE(term.modesAsAtStart());
}

// Ends the game at the main menu through the exit question.
void leave(PtyTerminal& term) {
  ASSERT_TRUE(term.waitUntil([&] { return mainMenuAt(term, 6); }, kPatience)) << term.screenText();
  escThen(term, "\r");
}

TEST(Recording, IsNotMadeWhenTheTerminalIsRefused) {
  GameSession game({.term = "dumb", .arguments = {"--record", "bug.rec"}});
  EXPECT_TRUE(exitedWith(*game.terminal, 2)) << game.terminal->output();
  EXPECT_FALSE(std::filesystem::exists(game.folder.path() / "bug.rec"));
}

TEST(Recording, JoinedToItsOptionRecordsTheGame) {
  GameSession game({.arguments = {"--record=bug.rec"}});
  leave(*game.terminal);
  EXPECT_TRUE(exitedWith(*game.terminal, 1));
  const std::string recorded = game.folder.read("bug.rec");
  EXPECT_NE(recorded.find(" key Esc\n"), std::string::npos) << recorded;
}

TEST(Recording, ThatCannotBeWrittenIsSaidAfterTheGame) {
  GameSession game({.arguments = {"--record", "/dev/full"}});
  leave(*game.terminal);
  EXPECT_TRUE(exitedWith(*game.terminal, 1)) << "the game's own status";
  EXPECT_NE(game.terminal->output().find("thalvorine: the recording /dev/full could not be written: No space left"),
            std::string::npos)
      << game.terminal->output();
}

TEST(Recording, CutShortByAFullDiskKeepsItsWholeLines) {
  constexpr rlim_t kLimit = 400;  // the start and a dozen keys
  GameSession game({.arguments = {"--record", "bug.rec"}, .fileSizeLimit = kLimit});
  PtyTerminal& term = *game.terminal;
  ASSERT_TRUE(term.waitUntil([&] { return mainMenuAt(term, 6); }, kPatience)) << term.screenText();
  for (int i = 0; i < 30; ++i) term.send("\x1b[B\x1b[A");
  leave(term);
  EXPECT_TRUE(exitedWith(term, 1));
  const std::string recorded = game.folder.read("bug.rec");
  ASSERT_GT(recorded.size(), 200u) << "the start of the game is kept";
  EXPECT_LT(recorded.size(), kLimit);
  EXPECT_EQ(recorded.back(), '\n') << "ends mid-line: " << recorded.substr(recorded.rfind('\n'));
  EXPECT_NE(term.output().find("thalvorine: the recording bug.rec could not be written in full (File too large)"),
            std::string::npos)
      << term.output();
}

}  // namespace
}  // namespace e2e
