// Thalvorine in a web page: the game on the page's console, playing in the
// folder where the page keeps the world and the player's progress file.
#include <emscripten.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <optional>

#include "game/startup.h"
#include "kiv/core/deadline_pace.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/web/web_device.h"

extern "C" {
// Tells the page the game has ended with `status`; it keeps the progress file.
void thalvorine_ended(int status);
}

namespace {

// The folder the page puts the world and the progress file in.
constexpr const char* kPlayFolder = "/play";

kiv::WebDevice* g_page = nullptr;

// The value after `name` among the arguments (the page's URL parameters), or null.
const char* argument(int argc, char** argv, const char* name) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], name) == 0) return argv[i + 1];
  return nullptr;
}

}  // namespace

extern "C" {

// A key from the page's keyboard, named as the browser names it; the number
// of key codes it became (0: not the game's).
EMSCRIPTEN_KEEPALIVE int thalvorine_press(const char* keyName) {
  return g_page != nullptr ? g_page->press(keyName) : 0;
}

// How many key codes the game has read.
EMSCRIPTEN_KEEPALIVE int thalvorine_keys_read() { return g_page != nullptr ? g_page->keysRead() : 0; }

}  // extern "C"

int main(int argc, char** argv) {
  // For tests: every pause sped up by --speed, and a recording's clock (in ms) with --clock.
  const char* clock = argument(argc, argv, "--clock");
  static kiv::WebDevice page(kiv::speedupFrom(argument(argc, argv, "--speed")),
                             clock != nullptr ? std::optional<std::int64_t>(std::atoll(clock)) : std::nullopt);
  g_page = &page;
  if (::chdir(kPlayFolder) != 0) return 2;
  kiv::attach(page);
  const int status = startUp();
  kiv::present();
  thalvorine_ended(status);
  return status;
}
