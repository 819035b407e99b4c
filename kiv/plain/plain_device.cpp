// Playing the game as lines of text.
#include "kiv/plain/plain_device.h"

#include "kiv/plain/plain_input.h"

namespace kiv {

PlainDevice::PlainDevice(std::istream& in, std::ostream& out, Settings settings)
    : in_(in), text_(out), settings_(settings) {}

int PlainDevice::readKey() {
  while (keys_.empty()) {
    text_.beforeReading();
    std::string line;
    if (!std::getline(in_, line)) {
      text_.inputEnded();
      throw InputEnded();
    }
    text_.heard(line, settings_.echo);
    keys_ = plain::keysForLine(line, text_.waiting());
    if (keys_.empty()) text_.listMenu();
  }
  const int code = keys_.front();
  keys_.pop_front();
  return code;
}

void PlainDevice::sleepMs(int ms) {
  if (ms > 0) skippedMs_ += ms;
}

void PlainDevice::beep(int, int ms) {
  if (settings_.bell) text_.bell();
  sleepMs(ms);
}

std::int64_t PlainDevice::calendarSecond() {
  const auto passed = std::chrono::steady_clock::now() - started_;
  const std::int64_t passedMs = std::chrono::duration_cast<std::chrono::milliseconds>(passed).count();
  return (settings_.startCalendarMs + skippedMs_ + passedMs) / 1000;
}

void PlainDevice::menu(const std::vector<std::string>& buttons, bool vertical) {
  keys_.clear();
  text_.menu(buttons, vertical);
}

void PlainDevice::prompt(const std::string& label) {
  keys_.clear();
  text_.prompt(label);
}

}  // namespace kiv
