// For the game's unit tests: a fresh game in a fresh working folder, files
// in it, and the screen's text.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/game_state.h"
#include "kiv/kiv_engine.h"
#include "kiv/virtual_device.h"

// The game's state as at start-up, on a virtual console, in a new temporary
// folder that is the working directory while the test lasts.
class GameUnit : public testing::Test {
 protected:
  GameUnit() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "thalvorine-unit-XXXXXX").string();
    std::filesystem::current_path(folder_ = ::mkdtemp(pattern.data()));
    kiv::attach(dev);
    resetGameState();
  }
  ~GameUnit() override {
    std::filesystem::current_path(previous_);
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    std::filesystem::remove_all(folder_);
  }
  kiv::VirtualDevice dev;

 private:
  std::filesystem::path previous_, folder_;
};

inline void writeFile(const std::filesystem::path& name, const std::string& bytes) {
  if (name.has_parent_path()) std::filesystem::create_directories(name.parent_path());
  std::ofstream(name, std::ios::binary) << bytes;
}

inline std::string readFile(const std::filesystem::path& name) {
  std::ostringstream bytes;
  bytes << std::ifstream(name, std::ios::binary).rdbuf();
  return bytes.str();
}

// The screen's first rows as one line, runs of blanks squeezed to one.
inline std::string screenText(int rows = 10) {
  std::string text;
  for (int y = 0; y < rows; ++y)
    for (char c : kiv::rowText(kiv::screen(), y) + " ")
      if (c != ' ' || (!text.empty() && text.back() != ' ')) text += c;
  return text.empty() ? text : text.substr(0, text.size() - 1);
}
