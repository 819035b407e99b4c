// Reading the terminal's bytes with their moment of arrival.
#include "kiv/terminal/terminal_input.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "kiv/terminal/terminal_charset.h"

namespace kiv {

bool TerminalInput::readAvailable() {
  for (;;) {
    pollfd input{fd_, POLLIN, 0};
    const int ready = ::poll(&input, 1, 0);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return true;
    if ((input.revents & POLLIN) == 0) return (input.revents & (POLLHUP | POLLERR | POLLNVAL)) == 0;
    char bytes[256];
    const ssize_t n = ::read(fd_, bytes, sizeof bytes);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) return false;
    typed_.clear();
    charset_.decode(std::string_view(bytes, static_cast<std::size_t>(n)), typed_);
    decoder_.feed(typed_, Clock::now(), codes_);
  }
}

bool TerminalInput::keyReady() {
  decoder_.expire(Clock::now(), codes_);
  return !codes_.empty();
}

int TerminalInput::takeKey() {
  const int code = codes_.front();
  codes_.pop_front();
  return code;
}

}  // namespace kiv
