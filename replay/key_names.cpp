// Key names for recordings: the game's key codes, by name and back.
#include "replay/key_names.h"

#include <charconv>

#include "kiv/core/key_codes.h"

namespace replay {

std::optional<std::vector<int>> keyCodes(std::string_view name) {
  if (const kiv::key::NamedKey* key = kiv::key::byName(name)) {
    if (key->second < 0) return std::vector<int>{key->first};
    return std::vector<int>{kiv::key::markedFirst(key->first), key->second};
  }
  int code = -1;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), code);
  if (error != std::errc() || end != name.data() + name.size() || code < 0 || code > 255) return std::nullopt;
  return std::vector<int>{code};
}

std::string keyName(int first, int second) {
  if (const kiv::key::NamedKey* key = kiv::key::byCodes(first, second)) return std::string(key->name);
  std::string raw = std::to_string(first);
  if (second >= 0) raw += " " + std::to_string(second);
  return raw;
}

}  // namespace replay
