// The names a recording gives keys, and the key codes the game reads for them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace replay {

// The device codes of one key named as recordings name it ("Enter", "Up",
// "F1", or a raw code "0" to "255"): one code, or two for an extended or
// function key, the first marked (kiv::key::markedFirst). Nothing for an
// unknown name.
std::optional<std::vector<int>> keyCodes(std::string_view name);

// The name of the key whose game codes are `first` and, for a two-code key,
// `second` (-1 for a one-code key): the recordings' name where there is one,
// the raw codes ("224 91") otherwise.
std::string keyName(int first, int second = -1);

}  // namespace replay
