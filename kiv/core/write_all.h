// Writing a whole buffer to a file descriptor, through interrupted and short writes.
#pragma once

#include <string_view>

namespace kiv {

// Writes every byte of `bytes` to `fd`; false (some bytes perhaps written)
// when the descriptor refuses more.
bool writeAll(int fd, std::string_view bytes);

}  // namespace kiv
