// The fixture of the game's unit tests: the game as at start-up on a virtual
// console, in a fresh working folder with a world writer over it.
#pragma once

#include <gtest/gtest.h>

#include "game/game_state.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/virtual/virtual_device.h"
#include "temp_folder.h"
#include "world_writer.h"

class GameUnit : public testing::Test {
 protected:
  GameUnit() {
    kiv::attach(dev);
    resetGameState();
  }
  TempFolder folder{true};  // the working directory while the test lasts
  testworld::WorldWriter world{folder.path()};
  kiv::VirtualDevice dev;
};

// The screen's first rows as one line, runs of blanks squeezed to one.
inline std::string screenText(int rows = 10) {
  std::string text;
  for (int y = 0; y < rows; ++y)
    for (char c : kiv::rowText(kiv::screen(), y) + " ")
      if (c != ' ' || (!text.empty() && text.back() != ' ')) text += c;
  return text.empty() ? text : text.substr(0, text.size() - 1);
}
