// Fuzzing the game's loaders: whatever bytes a room, object, language,
// progress or rules file holds, loading it must neither crash nor read or write out
// of bounds. Built once per loader (LOADER names it).
#include <cstddef>
#include <cstdint>
#include <string>

#include "game/game_state.h"
#include "game/gamedat.h"
#include "game/language.h"
#include "game/rules_document.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/virtual/virtual_device.h"
#include "temp_folder.h"

namespace {

// The working folder, made once, and the virtual console.
struct Setting {
  Setting() { kiv::attach(device); }
  TempFolder folder{true};
  kiv::VirtualDevice device;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Setting setting;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  resetGameState();
  kiv::screen().clear();
#if defined(FUZZ_ROOM)
  setting.folder.write("rooms/1.room", bytes);
  oda[1].initialize("rooms/", 1);
  for (int slot = 0; slot < kContentSlots; ++slot) {
    for (const ObjectCode code : {oda[1].getContents(slot), oda[1].getContentsWhileDark(slot)})
      if (indexOf(code) < 0 || indexOf(code) >= kTableSize) __builtin_trap();
  }
  oda[1].title_page();
#elif defined(FUZZ_OBJECT)
  setting.folder.write("objects/1.object", bytes);
  esya[1].initialize("objects/", 1);
  esya[1].title_page();
#elif defined(FUZZ_LANGUAGE)
  setting.folder.write("tr.lng", bytes);
  initialize();
#elif defined(FUZZ_GAMEDAT)
  setting.folder.write("game.dat", bytes);
  initialize_gamedat("game.dat");
#elif defined(FUZZ_RULES)
  setting.folder.write("rules.txt", bytes);
  for (const UseRule& rule : loadRules().uses) {
    if (indexOf(rule.object) < 1 || indexOf(rule.object) >= kTableSize) __builtin_trap();
    if (indexOf(rule.room) < 1 || indexOf(rule.room) >= kTableSize) __builtin_trap();
    if (indexOf(rule.then) < 0 || indexOf(rule.then) >= kTableSize) __builtin_trap();
    if (readRulesLine(ruleLine(rule)).kind != RulesLine::Kind::Rule) __builtin_trap();
  }
#else
#error "name the loader to fuzz"
#endif
  return 0;
}
