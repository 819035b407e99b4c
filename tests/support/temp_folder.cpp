// A fresh temporary folder for one test.
#include "temp_folder.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

TempFolder::TempFolder(bool enter) {
  std::string pattern = (fs::temp_directory_path() / "thalvorine-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
  if (enter) {
    previous_ = fs::current_path();
    fs::current_path(path_);
  }
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  if (!previous_.empty()) fs::current_path(previous_, ignored);
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
  fs::create_directories((path_ / name).parent_path());
  std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::string TempFolder::read(const std::string& name) const {
  std::ostringstream bytes;
  bytes << std::ifstream(path_ / name, std::ios::binary).rdbuf();
  return bytes.str();
}
