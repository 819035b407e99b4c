// A text with variants is an array of them; a screen shows one at random.
#pragma once

#include <cstddef>

#include "kiv/core/kiv_engine.h"

// One of `variants`, drawn with kiv::Random over the whole array: empty
// variants take part in the draw.
template <class Text, std::size_t N>
const Text& pickVariant(const Text (&variants)[N]) {
  return variants[kiv::Random(0, static_cast<int>(N) - 1)];
}
