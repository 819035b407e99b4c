// A fresh temporary folder for one test, removed with everything in it.
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "replay/temporary_folder.h"

class TempFolder : public replay::TemporaryFolder {
 public:
  // A new empty folder; with `enter`, it is also the working directory until
  // this is destroyed.
  explicit TempFolder(bool enter = false) : TemporaryFolder("thalvorine-test") {
    if (path().empty()) throw std::runtime_error("cannot make a temporary folder");
    if (enter) this->enter();
  }
  // Writes `bytes` to `name` (relative to the folder), making its folders.
  void write(const std::string& name, const std::string& bytes) const {
    std::filesystem::create_directories((path() / name).parent_path());
    std::ofstream(path() / name, std::ios::binary) << bytes;
  }
  // The bytes of `name`; empty if it cannot be read.
  std::string read(const std::string& name) const {
    std::ostringstream bytes;
    bytes << std::ifstream(path() / name, std::ios::binary).rdbuf();
    return bytes.str();
  }
};
