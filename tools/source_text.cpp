// Reading UTF-8 source files and converting them with the game's code page table.
#include "tools/source_text.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "kiv/core/codepage.h"

namespace worldtool {
namespace {

// Converts one line; returns the first fault, or "" when every character has a byte.
std::string convertLine(const std::string& utf8, std::string& bytes) {
  std::string fault;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t column = pos;
    const std::optional<char32_t> ch = kiv::codepage::nextUtf8(utf8, pos);
    std::optional<std::uint8_t> byte;
    if (ch == U'\t')
      byte = 9;
    else if (ch)
      byte = kiv::codepage::fromUnicode(*ch);
    bytes += byte ? static_cast<char>(*byte) : '?';
    if (byte || !fault.empty()) continue;
    if (!ch) {
      fault = "invalid UTF-8 (byte " + std::to_string(column + 1) + " of the line)";
    } else {
      fault = "character " + nameOf(*ch) + " has no code page 857 byte";
    }
  }
  return fault;
}

}  // namespace

std::string nameOf(char32_t ch) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(ch));
  std::string name = code;
  if (ch > 0x20 && ch != 0x7F) {
    name += ' ';
    kiv::codepage::appendUtf8(name, ch);
  }
  return name;
}

std::string SourceFile::codePage() const {
  std::string out;
  for (const SourceLine& line : lines) out += line.bytes + '\n';
  return out;
}

std::optional<SourceFile> readSource(const std::filesystem::path& folder, const std::string& name, Problems& problems) {
  std::ifstream in(folder / name, std::ios::binary);
  std::string text;
  if (in) text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!in.is_open() || in.bad()) {
    problems.push_back({name, 0, "cannot be read"});
    return std::nullopt;
  }
  SourceFile file{name, std::move(text), {}};
  if (file.utf8.rfind("\xEF\xBB\xBF", 0) == 0) file.utf8.erase(0, 3);
  std::size_t start = 0;
  while (start < file.utf8.size()) {
    std::size_t end = file.utf8.find('\n', start);
    if (end == std::string::npos) end = file.utf8.size();
    SourceLine line{static_cast<int>(file.lines.size()) + 1, file.utf8.substr(start, end - start), {}};
    if (!line.utf8.empty() && line.utf8.back() == '\r') line.utf8.pop_back();
    const std::string fault = convertLine(line.utf8, line.bytes);
    if (!fault.empty()) problems.push_back({name, line.number, fault});
    file.lines.push_back(std::move(line));
    start = end + 1;
  }
  return file;
}

}  // namespace worldtool
