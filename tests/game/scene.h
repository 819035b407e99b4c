// Whole scenes of the game on the virtual console: a small world written to
// a temporary folder, scripted keys, and what the screen and state became.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "game/screen_driver.h"
#include "kiv/virtual_device.h"

namespace scene {

// An object document; every variant slot holds the same text, so what a
// screen shows does not depend on chance.
struct ObjectDoc {
  std::string name;
  std::string sentence = "Bir sey duruyor.";
  std::string examine = "Ona bakiyorsun.";
  std::string pickingUp = "Aldin.";
  std::string leave = "Biraktin.";
  std::string leftSentence = "Biraktigin sey burada.";
  std::string takeIntoHandsTitle = "TUT";
  std::string tookIntoHands = "Eline aldin.";
  std::string putIntoPockets = "Cebine koydun.";
  std::string interactTitle = "KULLAN";
  std::string activating = "Calisti.";
  std::string passivationTitle = "KAPAT";
  std::string deactivating = "Durdu, sessiz.";
  bool canPickUp = false;
  bool canInteract = false;
  bool active = false;
  std::string text() const;
};

struct RoomDoc {
  std::string name;
  std::string lit = "Aydinlik oda.";
  std::string dark = "Karanlik oda.";
  bool isDark = false;
  std::array<int, 10> contents{};
  std::array<int, 10> darkContents{};
  std::string text() const;
};

// A fresh game in a temporary folder, on a virtual console, with a palette
// and every interface string set to a short recognisable text.
class Scene {
 public:
  Scene();
  ~Scene();

  void addRoom(int code, const RoomDoc& room);
  void addObject(int code, const ObjectDoc& object);
  // Loads the documents written so far into the game's tables.
  void load();

  // Runs screens from `first` until the program ends (its status) or the
  // key script runs out (-2).
  int play(Next first);

  kiv::VirtualDevice& keys() { return device_; }
  kiv::VirtualDevice& device() { return device_; }
  // The screen as it stands.
  std::string row(int y) const;
  // (column, row) of `text` from row `fromRow`, or (-1, -1).
  std::pair<int, int> find(const std::string& text, int fromRow = 0) const;
  bool shows(const std::string& text) const { return find(text).first >= 0; }
  int attributeAt(int x, int y) const;
  const std::filesystem::path& folder() const { return folder_; }

 private:
  kiv::VirtualDevice device_;
  std::filesystem::path folder_;
  std::filesystem::path previous_;
};

}  // namespace scene
