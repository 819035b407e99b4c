// Turning typed lines into the game's keys.
#include "kiv/plain/plain_input.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <optional>
#include <vector>

#include "kiv/core/codepage.h"
#include "kiv/core/key_codes.h"

namespace kiv::plain {
namespace {

struct Key {
  int first;
  int second = -1;  // -1: a one-code key
};

bool isArrow(const Key& key) {
  return key.first == key::kExtended &&
         (key.second == key::kUp || key.second == key::kDown || key.second == key::kLeft || key.second == key::kRight);
}

// The arrow of an escape sequence's final letter (CSI or SS3: A up, B down, C right, D left).
std::optional<int> arrowOf(char final) {
  switch (final) {
    case 'A':
      return key::kUp;
    case 'B':
      return key::kDown;
    case 'C':
      return key::kRight;
    case 'D':
      return key::kLeft;
    default:
      return std::nullopt;
  }
}

// The keys of a typed line: characters as their bytes, arrows as theirs, a
// lone Esc as Esc; other escape sequences and characters without a byte are dropped.
std::vector<Key> decode(const std::string& line) {
  std::vector<Key> keys;
  std::size_t pos = 0;
  while (pos < line.size()) {
    if (line[pos] == '\033') {
      const bool sequence = pos + 1 < line.size() && (line[pos + 1] == '[' || line[pos + 1] == 'O');
      if (!sequence) {
        keys.push_back({key::kEscape});
        ++pos;
        continue;
      }
      std::size_t end = pos + 2;
      while (end < line.size() && (line[end] < 0x40 || line[end] > 0x7E)) ++end;  // parameters
      if (end < line.size())
        if (const std::optional<int> arrow = arrowOf(line[end])) keys.push_back({key::kExtended, *arrow});
      pos = end + 1;
      continue;
    }
    const std::optional<char32_t> ch = codepage::nextUtf8(line, pos);
    if (!ch) continue;
    if (const std::optional<std::uint8_t> byte = codepage::fromUnicode(*ch)) keys.push_back({*byte});
  }
  return keys;
}

std::deque<int> codesOf(const std::vector<Key>& keys) {
  std::deque<int> codes;
  for (const Key& k : keys) {
    if (k.second < 0) {
      codes.push_back(k.first);
    } else {
      codes.push_back(key::markedFirst(k.first));
      codes.push_back(k.second);
    }
  }
  return codes;
}

// A whole line that is a number, blanks around it allowed.
std::optional<int> numberIn(const std::string& line) {
  const std::size_t first = line.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const std::size_t last = line.find_last_not_of(' ');
  int number = 0;
  const auto [end, error] = std::from_chars(line.data() + first, line.data() + last + 1, number);
  if (error != std::errc() || end != line.data() + last + 1) return std::nullopt;
  return number;
}

}  // namespace

std::deque<int> keysForLine(const std::string& utf8Line, const Waiting& waiting) {
  std::string line = utf8Line;
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  const std::vector<Key> keys = decode(line);
  if (keys.size() == 1 && keys[0].first == key::kEscape) return codesOf(keys);
  switch (waiting.what) {
    case Waiting::For::Menu: {
      if (!keys.empty() && std::all_of(keys.begin(), keys.end(), isArrow)) return codesOf(keys);
      if (line.find_first_not_of(' ') == std::string::npos) return {key::kEnter};
      const std::optional<int> number = numberIn(line);
      if (number && *number >= 1 && *number <= waiting.buttons)
        return key::codesToChoose(waiting.selected, *number - 1, waiting.vertical);
      return {};
    }
    case Waiting::For::Word: {
      std::vector<Key> typed;  // an Esc amid a word would leave the Enter to the exit question
      std::copy_if(keys.begin(), keys.end(), std::back_inserter(typed),
                   [](const Key& k) { return k.first != key::kEscape; });
      std::deque<int> codes = codesOf(typed);
      codes.push_back(key::kEnter);
      return codes;
    }
    case Waiting::For::AnyKey:
      break;
  }
  return {key::kEnter};
}

}  // namespace kiv::plain
