// The scripted console the tests play the game on.
#include "kiv/virtual/virtual_device.h"

namespace kiv {

void VirtualDevice::type(int code) { scripted_.push_back(code); }

void VirtualDevice::type(const std::string& codePage857Text) {
  for (char c : codePage857Text) scripted_.push_back(static_cast<unsigned char>(c));
}

void VirtualDevice::typeArrow(int scanCode) { typeTwoCodes(key::kExtended, scanCode); }

void VirtualDevice::typeTwoCodes(int first, int second) {
  scripted_.push_back(key::markedFirst(first));
  scripted_.push_back(second);
}

void VirtualDevice::pressAt(std::int64_t atMs, int code) { early_.push_back({atMs, code}); }

int VirtualDevice::readKey() {
  if (!early_.empty() && (scripted_.empty() || early_.front().atMs <= nowMs_)) {
    EarlyKey next = early_.front();
    early_.pop_front();
    if (next.atMs > nowMs_) nowMs_ = next.atMs;  // the player presses it then
    return next.code;
  }
  if (scripted_.empty()) throw ScriptEnded();
  int code = scripted_.front();
  scripted_.pop_front();
  return code;
}

bool VirtualDevice::keyWaiting() { return !early_.empty() && early_.front().atMs <= nowMs_; }

void VirtualDevice::sleepMs(int ms) {
  sleeps_.push_back(ms);
  nowMs_ += ms;
}

void VirtualDevice::beep(int frequency, int ms) {
  beeps_.push_back({frequency, ms, nowMs_});
  nowMs_ += ms;
}

std::int64_t VirtualDevice::calendarSecond() { return (startMs_ + nowMs_) / 1000; }

std::string rowText(const ScreenBuffer& screen, int row) {
  std::string text;
  for (int x = 0; x < ScreenBuffer::kColumns; ++x) text += static_cast<char>(screen.at(x, row).ch);
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

}  // namespace kiv
