// Line and number reading shared by the room and object loaders.
#include "game/record_reader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

#include "game/game_state.h"

void RecordReader::skipLine() {
  std::string line;
  std::getline(in_, line);
}

void RecordReader::text(char* field, std::size_t capacity) {
  std::string line;
  if (!std::getline(in_, line)) return;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  const std::size_t length = std::min(line.size(), capacity - 1);
  std::memcpy(field, line.data(), length);
  field[length] = '\0';
}

void RecordReader::number(int& value) {
  if (numbersFailed_) return;
  int read = 0;
  if (in_ >> read) {
    value = read;
  } else {
    numbersFailed_ = true;
  }
}

void RecordReader::code(int& value) {
  int read = value;
  number(read);
  value = (read >= 0 && read < kTableSize) ? read : 0;
}

void RecordReader::flag(bool& value) {
  if (numbersFailed_) return;
  int read = 0;
  number(read);
  if (numbersFailed_) return;
  value = read != 0;
  if (read != 0 && read != 1) numbersFailed_ = true;
}

bool openDocument(const std::string& path, std::ifstream& in) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  in.open(path);
  return in.is_open();
}
