// Fuzzing the game's loaders: whatever bytes a room, object, language or
// progress file holds, loading it must neither crash nor read or write out
// of bounds. Built once per loader (LOADER names it).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "game/game_state.h"
#include "game/gamedat.h"
#include "game/language.h"
#include "kiv/kiv_engine.h"
#include "kiv/virtual_device.h"

namespace {

// A working folder of its own, made once, with the file the loader reads.
struct Folder {
  Folder() {
    char pattern[] = "/tmp/thalvorine-fuzz-XXXXXX";
    std::filesystem::current_path(::mkdtemp(pattern));
    std::filesystem::create_directory("rooms");
    std::filesystem::create_directory("objects");
    kiv::attach(device);
  }
  kiv::VirtualDevice device;
};

void write(const char* path, const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Folder folder;
  resetGameState();
  kiv::screen().clear();
#if defined(FUZZ_ROOM)
  write("rooms/1.room", data, size);
  oda[1].initialize("rooms/", 1);
  for (int slot = 0; slot < 10; ++slot) {
    if (oda[1].getContents(slot) < 0 || oda[1].getContents(slot) >= kTableSize) __builtin_trap();
    if (oda[1].getContentsWhileDark(slot) < 0 || oda[1].getContentsWhileDark(slot) >= kTableSize) __builtin_trap();
  }
  oda[1].title_page();
#elif defined(FUZZ_OBJECT)
  write("objects/1.object", data, size);
  esya[1].initialize("objects/", 1);
  esya[1].title_page();
#elif defined(FUZZ_LANGUAGE)
  write("tr.lng", data, size);
  initialize();
#elif defined(FUZZ_GAMEDAT)
  write("game.dat", data, size);
  initialize_gamedat("game.dat");
#else
#error "name the loader to fuzz"
#endif
  return 0;
}
