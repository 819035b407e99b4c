// Browser key names to the game's key codes.
#include "kiv/web/web_keys.h"

#include <string>

#include "kiv/core/codepage.h"
#include "kiv/core/device.h"

namespace kiv {
namespace {

struct NamedKey {
  std::string_view name;
  int first;
  int second;  // -1 for a one-code key
};

constexpr NamedKey kNamedKeys[] = {
    {"Enter", key::kEnter, -1},         {"Backspace", key::kBackspace, -1}, {"Tab", key::kTab, -1},
    {"Escape", key::kEscape, -1},       {"ArrowUp", key::kExtended, key::kUp},
    {"ArrowDown", key::kExtended, key::kDown},   {"ArrowLeft", key::kExtended, key::kLeft},
    {"ArrowRight", key::kExtended, key::kRight}, {"Home", key::kExtended, key::kHome},
    {"End", key::kExtended, key::kEnd},          {"PageUp", key::kExtended, key::kPageUp},
    {"PageDown", key::kExtended, key::kPageDown}, {"Insert", key::kExtended, key::kInsert},
    {"Delete", key::kExtended, key::kDelete},
};

WebKey one(int code) { return WebKey{1, {code, 0}}; }
WebKey two(int first, int second) { return WebKey{2, {first, second}}; }

// F1 to F10 by name; 0 for any other name.
int functionNumber(std::string_view name) {
  if (name.size() < 2 || name.size() > 3 || name[0] != 'F') return 0;
  int number = 0;
  for (char c : name.substr(1)) {
    if (c < '0' || c > '9') return 0;
    number = number * 10 + (c - '0');
  }
  return number >= 1 && number <= 10 ? number : 0;
}

}  // namespace

WebKey webKey(std::string_view name) {
  for (const NamedKey& named : kNamedKeys)
    if (named.name == name) return named.second < 0 ? one(named.first) : two(named.first, named.second);
  if (const int f = functionNumber(name)) return two(key::kFunction, key::kF1 + f - 1);
  const std::string text(name);
  std::size_t pos = 0;
  const auto ch = codepage::nextUtf8(text, pos);
  if (!ch || pos != text.size()) return {};  // a key's name, not one character
  const auto byte = codepage::fromUnicode(*ch);
  return byte ? one(*byte) : WebKey{};
}

}  // namespace kiv
