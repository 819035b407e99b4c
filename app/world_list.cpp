// Listing the world folders with their titles.
#include "app/world_list.h"

#include <filesystem>

#include "game/world_choice.h"
#include "kiv/core/codepage.h"

std::vector<std::string> worldTitles(const std::vector<std::string>& folders) {
  std::vector<std::string> titles;
  for (const std::string& folder : folders) titles.push_back(worldTitle(folder));
  return titles;
}

void listWorlds(const std::vector<std::string>& folders, std::FILE* out) {
  for (const std::string& folder : folders) {
    std::filesystem::path path(folder);
    if (!path.has_filename()) path = path.parent_path();
    std::fprintf(out, "%-16s %s\n", path.filename().string().c_str(),
                 kiv::codepage::toUtf8(worldTitle(folder)).c_str());
  }
}
