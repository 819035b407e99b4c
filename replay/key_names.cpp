// Key names for recordings: the game's key codes, by name and back.
#include "replay/key_names.h"

#include <charconv>

#include "kiv/core/device.h"

namespace replay {
namespace {

using namespace kiv::key;

struct NamedKey {
  std::string_view name;
  int first;
  int second;  // -1 for a one-code key
};

constexpr NamedKey kNamedKeys[] = {
    {"Enter", kEnter, -1},          {"Esc", kEscape, -1},           {"Tab", kTab, -1},
    {"Backspace", kBackspace, -1},  {"Space", kSpace, -1},          {"Up", kExtended, kUp},
    {"Down", kExtended, kDown},     {"Left", kExtended, kLeft},     {"Right", kExtended, kRight},
    {"Home", kExtended, kHome},     {"End", kExtended, kEnd},       {"PgUp", kExtended, kPageUp},
    {"PgDn", kExtended, kPageDown}, {"Ins", kExtended, kInsert},    {"Del", kExtended, kDelete},
    {"F1", kFunction, kF1},         {"F2", kFunction, kF1 + 1},     {"F3", kFunction, kF1 + 2},
    {"F4", kFunction, kF1 + 3},     {"F5", kFunction, kF1 + 4},     {"F6", kFunction, kF1 + 5},
    {"F7", kFunction, kF1 + 6},     {"F8", kFunction, kF1 + 7},     {"F9", kFunction, kF1 + 8},
    {"F10", kFunction, kF1 + 9},
};

}  // namespace

std::optional<std::vector<int>> keyCodes(std::string_view name) {
  for (const NamedKey& key : kNamedKeys) {
    if (key.name != name) continue;
    if (key.second < 0) return std::vector<int>{key.first};
    return std::vector<int>{key.first, key.second};
  }
  int code = -1;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), code);
  if (error != std::errc() || end != name.data() + name.size() || code < 0 || code > 255) return std::nullopt;
  return std::vector<int>{code};
}

std::string keyName(int first, int second) {
  for (const NamedKey& key : kNamedKeys)
    if (key.first == first && key.second == second) return std::string(key.name);
  std::string raw = std::to_string(first);
  if (second >= 0) raw += " " + std::to_string(second);
  return raw;
}

bool startsTwoCodeKey(int code) { return code == kFunction || code == kExtended; }

}  // namespace replay
