// A fresh temporary folder, removed with everything in it when done: where
// a recording is replayed, and where each test writes its files.
#pragma once

#include <filesystem>
#include <string>

namespace replay {

class TemporaryFolder {
 public:
  // Makes a new empty folder "<prefix>-XXXXXX" under the system's temporary
  // folder; path() is empty if it cannot be made.
  explicit TemporaryFolder(const std::string& prefix);
  // Goes back to the working directory before enter(), and removes the
  // folder and its contents, whatever permissions were left on the folder.
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Makes the folder the working directory until this is destroyed.
  void enter();

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

}  // namespace replay
