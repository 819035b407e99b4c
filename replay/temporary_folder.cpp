// Making, entering and removing a temporary folder.
#include "replay/temporary_folder.h"

#include <stdlib.h>

namespace replay {

namespace fs = std::filesystem;

TemporaryFolder::TemporaryFolder(const std::string& prefix) {
  std::error_code error;
  std::string pattern = (fs::temp_directory_path(error) / (prefix + "-XXXXXX")).string();
  if (!error && ::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  if (!previous_.empty()) fs::current_path(previous_, ignored);
  if (path_.empty()) return;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

void TemporaryFolder::enter() {
  if (previous_.empty()) previous_ = fs::current_path();
  fs::current_path(path_);
}

}  // namespace replay
