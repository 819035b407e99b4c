// For the game's unit tests: a fresh working folder, files in it, and the
// screen's text.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "kiv/kiv_engine.h"
#include "kiv/virtual_device.h"

// A new temporary folder, the working directory while it lives.
class TempFolder {
 public:
  TempFolder() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "thalvorine-unit-XXXXXX").string();
    std::filesystem::current_path(path_ = ::mkdtemp(pattern.data()));
  }
  ~TempFolder() {
    std::filesystem::current_path(previous_);
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    std::filesystem::remove_all(path_);
  }

 private:
  std::filesystem::path previous_, path_;
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
