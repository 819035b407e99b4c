// The story choice's screen, and the worlds' titles it shows.
#include "game/world_choice.h"

#include <algorithm>
#include <fstream>

#include "game/game_state.h"
#include "game/menu.h"
#include "game/screens.h"
#include "game/startup.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/core/text_rendition.h"

namespace {

// "Hangi hikâyeyi oynamak istersin?" and "Oklarla seç, Enter'a bas." in code page 857.
constexpr const char* kQuestion = "Hangi hik\x83yeyi oynamak istersin?";
constexpr const char* kHint = "Oklarla se\x87, Enter'a bas.";
constexpr int kFirstButtonRow = 9;
constexpr int kButtonRowStep = 3;

// Writes `text` centred on row `y` in the current attribute.
void centred(const std::string& text, int y) {
  kiv::SetCursorPosition(std::max(0, (kiv::ScreenBuffer::kColumns - static_cast<int>(text.size())) / 2), y);
  kiv::screen().write(text);
}

}  // namespace

std::string worldTitle(const std::filesystem::path& folder) {
  std::string title;
  std::ifstream file(folder / "title", std::ios::binary);
  std::getline(file, title);
  if (!title.empty() && title.back() == '\r') title.pop_back();
  if (title.find_first_not_of(' ') == std::string::npos) {
    const std::filesystem::path named = folder.has_filename() ? folder : folder.parent_path();  // "worlds/a/"
    title = named.filename().string();
  }
  if (title.size() > static_cast<std::size_t>(kWorldTitleLimit)) title.resize(kWorldTitleLimit);
  return title;
}

int chooseWorld(const std::vector<std::string>& titles) {
  if (titles.empty()) return -1;
  kiv::SetTitle(kGameTitle);
  addPalette();
  kiv::ShowConsoleCursor(0);
  newScreen();
  const int shown = std::min(static_cast<int>(titles.size()), kWorldChoiceLimit);
  std::size_t widest = 0;
  for (int i = 0; i < shown; ++i) widest = std::max(widest, titles[i].size());
  const int left = std::max(0, (kiv::ScreenBuffer::kColumns - static_cast<int>(widest) - 4) / 2);
  centred(kGameTitle, 3);
  kiv::sayTitle(kGameTitle);
  centred(kQuestion, 6);
  kiv::sayText(kQuestion);
  menu choice;
  choice.initialize(true, kSelectedButton, kUnselectedButton);
  for (int i = 0; i < shown; ++i) {
    std::string label = titles[i];
    label.resize(widest, ' ');  // one width: the selected button's colour as long as the widest
    choice.add_button(label, left, kFirstButtonRow + i * kButtonRowStep);
  }
  centred(kHint, kFirstButtonRow + shown * kButtonRowStep);
  return choice.draw() - 1;
}

int choiceStatus(int chosen) { return chosen < 0 ? 1 : kFirstChosenStatus + chosen; }
