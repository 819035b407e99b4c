// Browser key names to the game's key codes.
#include "kiv/web/web_keys.h"

#include <string>

#include "kiv/core/codepage.h"
#include "kiv/core/key_codes.h"

namespace kiv {

WebKey webKey(std::string_view name) {
  if (const key::NamedKey* named = key::byBrowserName(name)) {
    if (named->second < 0) return WebKey{1, {named->first, 0}};
    return WebKey{2, {key::markedFirst(named->first), named->second}};
  }
  const std::string text(name);
  std::size_t pos = 0;
  const auto ch = codepage::nextUtf8(text, pos);
  if (!ch || pos != text.size()) return {};  // a key's name, not one character
  const auto byte = codepage::fromUnicode(*ch);
  return byte ? WebKey{1, {*byte, 0}} : WebKey{};
}

}  // namespace kiv
