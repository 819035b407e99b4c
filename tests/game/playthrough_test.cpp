// The shipped world played from a first run to the end and the exit, on the
// virtual console, with what the player saw checked along the way.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/game_state.h"
#include "game/startup.h"
#include "kiv/codepage.h"
#include "kiv/kiv_engine.h"
#include "kiv/virtual_device.h"

namespace {

namespace fs = std::filesystem;
using kiv::key::kDown;
using kiv::key::kEnter;
using kiv::key::kEscape;
using kiv::key::kRight;

// A virtual console that remembers the screen each time the game waits for
// a key: the screens the player saw, in order.
class WatchedConsole : public kiv::VirtualDevice {
 public:
  std::vector<std::string> seen;
  int readKey() override {
    std::string screen;
    for (int row = 0; row < 60; ++row) screen += kiv::rowText(kiv::screen(), row) + "\n";
    seen.push_back(screen);
    return VirtualDevice::readKey();
  }
  void words(const std::string& word) {
    type(word);
    type(kEnter);
  }
};

// The code page bytes of a UTF-8 text, as the screen holds them.
std::string cp857(const std::string& utf8) {
  std::string bytes;
  for (std::size_t at = 0; at < utf8.size();) bytes += static_cast<char>(*kiv::codepage::fromUnicode(*kiv::codepage::nextUtf8(utf8, at)));
  return bytes;
}

struct ShippedWorld : ::testing::Test {
  fs::path previous = fs::current_path();
  fs::path folder;
  WatchedConsole console;

  void SetUp() override {
    char pattern[] = "/tmp/thalvorine-play-XXXXXX";
    folder = ::mkdtemp(pattern);
    fs::copy(THALVORINE_BUILT_WORLD, folder, fs::copy_options::recursive);
    fs::current_path(folder);
    resetGameState();
    kiv::attach(console);
  }
  void TearDown() override {
    fs::current_path(previous);
    fs::remove_all(folder);
  }

  // Each text must show on some screen, in this order.
  void expectSeenInOrder(const std::vector<std::string>& texts) {
    std::size_t screen = 0;
    for (const std::string& text : texts) {
      while (screen < console.seen.size() && console.seen[screen].find(text) == std::string::npos) ++screen;
      ASSERT_LT(screen, console.seen.size()) << "never seen (in order): " << text;
    }
  }
};

TEST_F(ShippedWorld, PlaysFromTheFirstRunToTheEndAndTheExit) {
  WatchedConsole& c = console;
  c.words("UYU");      // a wrong watch word, then the right one
  c.words("HAZIRIM");
  c.typeArrow(kDown);  // help, and back
  c.type(kEnter);
  c.type(' ');
  c.type(kEnter);      // wake up
  c.type(' ');         // the opening's key
  c.words("NEREDEYIM");  // a wrong word in the dark, then another: the first hint
  c.words("NEREDEYIM");
  c.words("SALTER");   // the switch: light
  c.type(kEnter);
  c.words("DEFTER");   // pick up the logbook
  c.typeArrow(kRight);
  c.type(kEnter);
  c.words("CEPLER");   // pockets: take it into hands
  c.type(kEnter);
  c.type(kEnter);
  c.words("CEPLER");   // pockets: put it back, then leave it here
  c.type(kEnter);
  c.type(kEnter);
  c.type(kEnter);
  c.typeArrow(kRight);
  c.type(kEnter);
  c.words("DEFTER");   // and pick it up again
  c.typeArrow(kRight);
  c.type(kEnter);
  c.words("SALTER");   // dark again, then the lamp lights it
  c.type(kEnter);
  c.words("LAMBA");
  c.type(kEnter);
  c.words("SAAT");     // the clock and the mirror only answer
  c.type(kEnter);
  c.words("AYNA");
  c.type(kEnter);
  c.words("KAPI");     // on to the stairs
  c.type(kEnter);
  c.words("MEKTUP");
  c.typeArrow(kRight);
  c.type(kEnter);
  c.words("TIRABZAN");  // down to the foot of the tower
  c.type(kEnter);
  c.words("SURGU");    // out
  c.type(kEnter);
  c.type(' ');
  c.type(kEscape);     // main menu: Esc, then yes
  c.type(kEnter);

  EXPECT_EQ(startUp(), 1);
  EXPECT_EQ(c.keysLeft(), 0u);
  expectSeenInOrder({
      cp857("Hazırsan HAZIRIM yaz"),
      "HAZIRIM",
      cp857("Bekçi Odası"),
      "Elinde tuttugun obje :",  // then DEFTER, on the next row
      cp857("Ceplerindekiler: DEFTER"),
      cp857("Döner Merdiven"),
      cp857("Kule Tabanı"),
      "Oyunu bitirdin.",
  });

  std::ifstream saved("game.dat");
  std::stringstream text;
  text << saved.rdbuf();
  EXPECT_NE(text.str().find("<RunningTime>1</RunningTime>"), std::string::npos);
  ASSERT_EQ(inventory.getNumberOfItems(), 2);
  EXPECT_EQ(inventory.getItem(0), 2);
  EXPECT_EQ(inventory.getItem(1), 7);
  EXPECT_EQ(oda[1].getNumberOfLeftItems(), 0);
  EXPECT_EQ(elindekiesya, 0);
  EXPECT_FALSE(oda[1].getIsThatDark());
  EXPECT_EQ(gunceloda, 3);
}

}  // namespace
