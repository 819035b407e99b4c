// The progress file: read at start-up, written back with one more run.
#include "game/gamedat.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "game_unit.h"

namespace {

namespace fs = std::filesystem;
const std::string kAdvice = "I highly recommend you to download the game again.";

using GameDat = GameUnit;

TEST_F(GameDat, AMissingOrBrokenFileIsReportedAndNeverWrittenOver) {
  initialize_gamedat("elsewhere.dat");  // missing: a first run of this game's version
  EXPECT_EQ(std::pair(RunningTime, version), std::pair(0, std::string("v0.1.0")));
  EXPECT_NE(screenText().find(": File was not found " + kAdvice), std::string::npos);
  kiv::Clear();
  const std::string broken = "<version>1.2.3</version><RunningTime>5</RunningTime><x>";
  folder.write("game.dat", broken);
  initialize_gamedat("game.dat");
  EXPECT_EQ(std::pair(RunningTime, version), std::pair(5, std::string("v1.2.3")));  // as read before the fault
  EXPECT_NE(screenText().find(kAdvice), std::string::npos);
  saveRunCounter();
  EXPECT_EQ(folder.read("game.dat"), broken);
}

TEST_F(GameDat, WritesBackTheCounterPlusOneInPlaceOfTheOldFile) {
  folder.write("game.dat",
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- progress -->\r\n<?app data?>\r\n<RunningTime "
               "since=\"2019\">7</RunningTime>\r\n<Extra><Inner>t</Inner></Extra>\r\n<version>1.0.3</version>\r\n");
  fs::permissions("game.dat", fs::perms(0640));
  initialize_gamedat("game.dat");
  EXPECT_EQ(screenText(), "");            // a sound file: nothing to say
  for (int save = 0; save < 2; ++save) {  // the same value on every save of a run
    saveRunCounter();
    EXPECT_EQ(folder.read("game.dat"),
              "<?xml version=\"1.0\"?>\n<RunningTime since=\"2019\">8</RunningTime>\n"
              "<Extra>\n\t<Inner>t</Inner>\n</Extra>\n<version>1.0.3</version>\n");
  }
  EXPECT_EQ(fs::status("game.dat").permissions(), fs::perms(0640));
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);  // no temporary left
}

// Runs `check` where file permissions hold: as root, in a child process
// that has given up root's rights. True if the check held.
bool withoutRootRights(const std::function<bool()>& check) {
  if (::geteuid() != 0) return check();
  const pid_t child = ::fork();
  if (child == 0) ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && check() ? 0 : 1);
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(GameDat, AReadOnlyOrUnreadableFileOrAReadOnlyFolderMeansNoSaveAndNoMessage) {
  folder.write("game.dat", "<RunningTime>3</RunningTime>");
  for (const auto& [file, dir] : {std::pair{0444, 0777}, {0666, 0555}, {0222, 0777}}) {
    fs::permissions(".", fs::perms(dir));
    fs::permissions("game.dat", fs::perms(file));
    EXPECT_TRUE(withoutRootRights([] {
      initialize_gamedat("game.dat");  // an unreadable file says so here
      kiv::Clear();
      saveRunCounter();
      return screenText().empty();
    })) << std::oct
        << file << " in " << dir;
    fs::permissions(".", fs::perms(0777));
    fs::permissions("game.dat", fs::perms(0666));
    EXPECT_EQ(folder.read("game.dat"), "<RunningTime>3</RunningTime>") << std::oct << file << " in " << dir;
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);  // no temporary left
  }
}

TEST_F(GameDat, ThePlayersFolderAsItMayBeFound) {
  struct Case {
    const char* what;
    std::function<void()> prepare;  // in the working folder
    std::function<bool()> afterSave;
  };
  const Case cases[] = {
      {"a link to the file is written through, and stays a link",
       [this] {
         folder.write("real.dat", "<RunningTime>4</RunningTime>");
         fs::create_symlink("real.dat", "game.dat");
       },
       [this] { return fs::is_symlink("game.dat") && folder.read("real.dat").find(">5<") != std::string::npos; }},
      {"a pipe named game.dat is not read (no wait) and not replaced", [] { ::mkfifo("game.dat", 0600); },
       [] { return fs::is_fifo("game.dat") && RunningTime == 0; }},
      {"temporary files a killed save left behind are removed",
       [this] {
         folder.write("game.dat", "<RunningTime>1</RunningTime>");
         folder.write("game.dat.Ab12Cd", "half");
         folder.write("game.dat.keep", "not ours");
       },
       [this] { return !fs::exists("game.dat.Ab12Cd") && fs::exists("game.dat.keep"); }},
      {"a file without a counter gets one", [this] { folder.write("game.dat", "<version>2.0</version>"); },
       [this] {
         return folder.read("game.dat") ==
                "<?xml version=\"1.0\"?>\n<version>2.0</version>\n<RunningTime>1</RunningTime>\n";
       }},
  };
  for (const Case& c : cases) {
    for (const auto& entry : fs::directory_iterator(".")) fs::remove_all(entry.path());
    c.prepare();
    initialize_gamedat("game.dat");
    saveRunCounter();
    EXPECT_TRUE(c.afterSave()) << c.what;
  }
}

}  // namespace
