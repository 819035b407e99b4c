// A world's UTF-8 source file, read line by line and turned into the game's
// code page 857 bytes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tools/problem.h"

namespace worldtool {

struct SourceLine {
  int number = 0;     // counted from 1
  std::string utf8;   // as written, without its line end (LF, or CR LF)
  std::string bytes;  // the same in code page 857; '?' for a character without a byte
};

struct SourceFile {
  std::string name;  // relative to the world folder, e.g. "rooms/1.room"
  std::string utf8;  // the whole file as read, a UTF-8 byte order mark removed
  std::vector<SourceLine> lines;

  // The converted file: every line's bytes followed by one LF.
  std::string codePage() const;
};

// Reads `folder`/`name`. A file that cannot be read gives nothing and one
// problem; invalid UTF-8 or a character that has no code page 857 byte gives
// one problem for the line that holds it (the first such character named).
// A tab is kept as byte 9; a CR at the end of a line is dropped.
std::optional<SourceFile> readSource(const std::filesystem::path& folder, const std::string& name, Problems& problems);

// "U+2665 ♥": how a problem names a character.
std::string nameOf(char32_t ch);

}  // namespace worldtool
