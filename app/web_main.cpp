// Thalvorine in a web page: the game on the page's console, playing in the
// folder of the chosen story, where the page keeps its world and the player's
// progress file.
#include <emscripten.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/startup.h"
#include "game/world_choice.h"
#include "kiv/core/deadline_pace.h"
#include "kiv/core/high_contrast.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/core/text_rendition.h"
#include "kiv/web/web_device.h"

extern "C" {
// Tells the page the game has ended with `status`; it keeps the progress file.
void thalvorine_ended(int status);
// Tells the page which story is played: its folder's name under /worlds.
void thalvorine_playing(const char* world);
}

namespace {

// The folder the page puts the stories in, a folder each with its progress file.
constexpr const char* kWorldsFolder = "/worlds";

kiv::WebDevice* g_page = nullptr;

// True when `name` is among the arguments.
bool hasArgument(int argc, char** argv, const char* name) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], name) == 0) return true;
  return false;
}

// The value after `name` among the arguments (the page's URL parameters), or null.
const char* argument(int argc, char** argv, const char* name) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], name) == 0) return argv[i + 1];
  return nullptr;
}

// The stories' folders under kWorldsFolder, by name.
std::vector<std::string> storyFolders() {
  std::vector<std::string> folders;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(kWorldsFolder, error))
    if (entry.is_directory()) folders.push_back(entry.path().string());
  std::sort(folders.begin(), folders.end());
  return folders;
}

// The story to play: the one named (the page's ?world=), the only one, or
// the one the player chooses; -1 when the player leaves the choice.
int chooseStory(const std::vector<std::string>& folders, const char* named) {
  for (std::size_t i = 0; named != nullptr && i < folders.size(); ++i)
    if (std::filesystem::path(folders[i]).filename() == named) return static_cast<int>(i);
  if (folders.size() == 1) return 0;
  std::vector<std::string> titles;
  for (const std::string& folder : folders) titles.push_back(worldTitle(folder));
  const int chosen = chooseWorld(titles);
  resetGameState();  // the game starts afresh after the choice's screen
  return chosen;
}

}  // namespace

extern "C" {

// A key from the page's keyboard, named as the browser names it; the number
// of key codes it became (0: not the game's).
EMSCRIPTEN_KEEPALIVE int thalvorine_press(const char* keyName) {
  return g_page != nullptr ? g_page->press(keyName) : 0;
}

// Chooses button `button` (from 0) of the menu waiting; 0 when none waits or it has no such button.
EMSCRIPTEN_KEEPALIVE int thalvorine_choose(int button) { return g_page != nullptr && g_page->choose(button) ? 1 : 0; }

// The page shows the game as text (1) or as its console (0): as text, the pauses pass at once.
EMSCRIPTEN_KEEPALIVE void thalvorine_set_reading(int reading) {
  if (g_page != nullptr) g_page->setQuick(reading != 0);
}

// The attribute `attribute` as high contrast draws it.
EMSCRIPTEN_KEEPALIVE int thalvorine_high_contrast(int attribute) { return kiv::contrast::highContrast(attribute); }

// How many key codes the game has read.
EMSCRIPTEN_KEEPALIVE int thalvorine_keys_read() { return g_page != nullptr ? g_page->keysRead() : 0; }

}  // extern "C"

int main(int argc, char** argv) {
  // For tests: every pause sped up by --speed, and a recording's clock (in ms) with --clock.
  const char* clock = argument(argc, argv, "--clock");
  static kiv::WebDevice page(kiv::speedupFrom(argument(argc, argv, "--speed")),
                             clock != nullptr ? std::optional<std::int64_t>(std::atoll(clock)) : std::nullopt);
  page.setQuick(hasArgument(argc, argv, "--reading"));
  g_page = &page;
  kiv::attach(page);
  kiv::setTextRendition(&page);
  const std::vector<std::string> folders = storyFolders();
  if (folders.empty()) return 2;
  const int chosen = chooseStory(folders, argument(argc, argv, "--world"));
  if (chosen < 0 || ::chdir(folders[chosen].c_str()) != 0) {
    kiv::present();
    thalvorine_ended(1);
    return 1;
  }
  thalvorine_playing(std::filesystem::path(folders[chosen]).filename().c_str());
  const int status = startUp();
  kiv::present();
  thalvorine_ended(status);
  return status;
}
