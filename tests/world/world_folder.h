// A small clean world written into a fresh temporary folder, with helpers to
// break it line by line.
#pragma once

#include <filesystem>
#include <string>

class WorldFolder {
 public:
  // Rooms 1 to 3 and objects 1 to 9, laid out as the game's rules need them.
  // Room documents hold their numbers on lines 23 (flags), 24 (links),
  // 25 (contents) and 26 (dark contents); object documents on lines 47
  // (the seven single numbers) and 48 (contents).
  WorldFolder();
  ~WorldFolder();
  WorldFolder(const WorldFolder&) = delete;
  WorldFolder& operator=(const WorldFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  void write(const std::string& name, const std::string& text) const;
  std::string read(const std::string& name) const;
  void remove(const std::string& name) const { std::filesystem::remove(path_ / name); }
  // Replaces line `line` (counted from 1) of `name` with `text`.
  void setLine(const std::string& name, int line, const std::string& text) const;
  // The number of the first line of `name` that contains `needle`.
  int lineOf(const std::string& name, const std::string& needle) const;

 private:
  std::filesystem::path path_;
};
