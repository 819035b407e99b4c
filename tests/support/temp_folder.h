// A fresh temporary folder for one test, removed with everything in it.
#pragma once

#include <filesystem>
#include <string>

class TempFolder {
 public:
  // Makes a new empty folder under the system's temporary folder; with
  // `enter`, it is also the working directory until this is destroyed.
  explicit TempFolder(bool enter = false);
  // Goes back to the earlier working directory and removes the folder and
  // its contents, whatever permissions the test left on the folder.
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `bytes` to `name` (relative to the folder), making its folders.
  void write(const std::string& name, const std::string& bytes) const;
  // The bytes of `name`; empty if it cannot be read.
  std::string read(const std::string& name) const;

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};
