// The progress file, and the title banner of start-up.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "game/game_state.h"
#include "game/gamedat.h"
#include "game/startup.h"
#include "unit_support.h"

namespace {

namespace fs = std::filesystem;

class GameDat : public testing::Test {
 protected:
  void SetUp() override {
    kiv::attach(dev);
    resetGameState();
  }
  kiv::VirtualDevice dev;
  TempFolder folder;
};

TEST_F(GameDat, ReadsTheCounterAndTheVersionOrReportsAMissingFile) {
  writeFile("game.dat", "<version>1.0.3</version>\n<RunningTime> 7 </RunningTime>\n");
  initialize_gamedat("game.dat");
  EXPECT_EQ(std::pair(RunningTime, version), std::pair(7, std::string("v1.0.3")));
  EXPECT_EQ(screenText(), "");
  initialize_gamedat("elsewhere.dat");
  EXPECT_EQ(std::pair(RunningTime, version), std::pair(0, std::string("v")));
  EXPECT_NE(screenText().find(": File was not found I highly recommend you to download the game again."), std::string::npos);
  writeFile("game.dat", "<RunningTime>yedi</RunningTime>");
  initialize_gamedat("game.dat");
  EXPECT_EQ(RunningTime, 0);
}

TEST_F(GameDat, ABrokenFileKeepsWhatWasReadAndIsNeverWrittenOver) {
  const std::string broken = "<version>1.2.3</version><RunningTime>5</RunningTime><x>";
  writeFile("game.dat", broken);
  initialize_gamedat("game.dat");
  EXPECT_EQ(std::pair(RunningTime, version), std::pair(5, std::string("v1.2.3")));
  EXPECT_NE(screenText().find("I highly recommend"), std::string::npos);
  saveRunCounter();
  EXPECT_EQ(readFile("game.dat"), broken);
}

TEST_F(GameDat, WritesBackTheCounterPlusOneInPlaceOfTheOldFile) {
  writeFile("game.dat",
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- progress -->\r\n<?app data?>\r\n"
            "<RunningTime since=\"2019\">7</RunningTime>\r\n<Extra><Inner>t</Inner></Extra>\r\n<version>1.0.3</version>\r\n");
  fs::permissions("game.dat", fs::perms(0640));
  initialize_gamedat("game.dat");
  for (int save = 0; save < 2; ++save) {  // the same value on every save of a run
    saveRunCounter();
    EXPECT_EQ(readFile("game.dat"),
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

TEST_F(GameDat, AReadOnlyOrUnreadableFileOrAReadOnlyFolderMeansNoSave) {
  writeFile("game.dat", "<RunningTime>3</RunningTime>");
  initialize_gamedat("game.dat");
  const auto unchanged = [] {
    saveRunCounter();
    return readFile("game.dat") == "<RunningTime>3</RunningTime>" && screenText().empty() &&
           std::distance(fs::directory_iterator("."), fs::directory_iterator()) == 1;
  };
  fs::permissions(".", fs::perms(0777));
  fs::permissions("game.dat", fs::perms(0444));
  EXPECT_TRUE(withoutRootRights(unchanged)) << "read-only file";
  fs::permissions("game.dat", fs::perms(0666));
  fs::permissions(".", fs::perms(0555));
  EXPECT_TRUE(withoutRootRights(unchanged)) << "read-only folder";
  fs::permissions(".", fs::perms(0777));
  fs::permissions("game.dat", fs::perms(0222));  // there, but cannot be read
  EXPECT_TRUE(withoutRootRights([] { return initialize_gamedat("game.dat"), saveRunCounter(), true; }));
  EXPECT_EQ(readFile("game.dat"), "<RunningTime>3</RunningTime>");
}

// Keeps the screen as it stood when the start-up melody began.
struct MelodyDevice : kiv::VirtualDevice {
  void beep(int frequency, int ms) override {
    if (frequency == 329 && !atMelody) atMelody = kiv::screen();
    VirtualDevice::beep(frequency, ms);
  }
  std::optional<kiv::ScreenBuffer> atMelody;
};

class StartUp : public testing::TestWithParam<std::pair<const char*, std::string>> {};

TEST_P(StartUp, ShowsTheBannerInItsBox) {
  MelodyDevice dev;
  kiv::attach(dev);
  resetGameState();
  TempFolder folder;
  if (GetParam().first) writeFile("game.dat", GetParam().first);
  EXPECT_THROW(startUp(), kiv::ScriptEnded);  // at the first key the game waits for
  ASSERT_TRUE(dev.atMelody);
  EXPECT_EQ(dev.title(), "Thalvorine");
  const std::string left = "\xB0\xB0\xB0\xB0\xB1\xB1\xB1\xB1\xB1\xB2\xDB", right = "\xDB\xB2\xB1\xB1\xB1\xB1\xB1\xB0\xB0\xB0\xB0";
  const std::string edge = std::string(11, ' ') + left + std::string(36, '\xDB') + right;
  const std::string inside = std::string(11, ' ') + left + std::string(36, ' ') + right;
  const std::string title = std::string(11, ' ') + left + "  Thalvorine" + std::string(17, ' ') + GetParam().second + " " + right;
  const std::string expected[] = {"", "", "", "", "", "", "", "", edge, inside, inside, title, inside, inside, edge, ""};
  for (int y = 0; y < 16; ++y) EXPECT_EQ(kiv::rowText(*dev.atMelody, y), expected[y]) << y;
  EXPECT_EQ(edge.size(), 69u);  // closed at column 68, as the title row with a six-character version
}

INSTANTIATE_TEST_SUITE_P(GameDat, StartUp, testing::Values(
    std::pair("<RunningTime>7</RunningTime><version>1.0.3</version>", "v1.0.3"),
    std::pair(nullptr, "v"), std::pair("<version>0.9.1</version><RunningTime>", "v0.9.1")));

}  // namespace
