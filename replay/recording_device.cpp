// Writing the player's keys as they are read.
#include "replay/recording_device.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "kiv/core/key_codes.h"
#include "kiv/core/screen_buffer.h"

namespace replay {

RecordingDevice::RecordingDevice(kiv::Device& inner, std::ostream& out, const Setup& setup)
    : inner_(inner), out_(out), startMs_(setup.clockMs) {
  std::ostringstream lines;
  writeSetup(lines, setup);
  put(lines.str());
}

RecordingDevice::~RecordingDevice() { end(); }

void RecordingDevice::end() {
  if (ended_) return;
  ended_ = true;
  if (pendingFirst_ < 0) return;
  std::ostringstream line;
  writeKey(line, pendingAt_, kiv::key::gameCode(pendingFirst_), -1);  // its second never came
  put(line.str());
}

void RecordingDevice::put(const std::string& lines) {
  if (stopped_) return;
  errno = 0;
  out_.write(lines.data(), static_cast<std::streamsize>(lines.size()));
  out_.flush();
  if (out_)
    wholeBytes_ += lines.size();
  else
    stopped_ = RecordingStop{errno, nowMs_, wholeBytes_};
}

int RecordingDevice::readKey() {
  const auto waitStart = std::chrono::steady_clock::now();
  const int code = inner_.readKey();
  std::int64_t at = nowMs_;
  if (seenWaiting_) {
    at = *seenWaiting_;  // typed ahead: the game saw it waiting then
    seenWaiting_.reset();
  } else {
    const auto waited = std::chrono::steady_clock::now() - waitStart;
    nowMs_ += std::chrono::duration_cast<std::chrono::milliseconds>(waited).count();
    at = nowMs_;
  }
  if (ended_) return code;
  std::ostringstream line;
  if (pendingFirst_ >= 0) {
    writeKey(line, pendingAt_, kiv::key::gameCode(pendingFirst_), code);
    pendingFirst_ = -1;
  } else if (kiv::key::startsTwoCodeKey(code)) {
    pendingFirst_ = code;
    pendingAt_ = at;
  } else {
    writeKey(line, at, code, -1);
  }
  if (!line.str().empty()) put(line.str());
  return code;
}

bool RecordingDevice::keyWaiting() {
  const bool waiting = inner_.keyWaiting();
  if (waiting && !seenWaiting_) seenWaiting_ = nowMs_;
  return waiting;
}

void RecordingDevice::sleepMs(int ms) {
  inner_.sleepMs(ms);
  if (ms > 0) nowMs_ += ms;
}

void RecordingDevice::beep(int frequency, int ms) {
  inner_.beep(frequency, ms);
  if (ms > 0) nowMs_ += ms;
}

Setup setupOfThisGame(int columns, int rows) {
  Setup setup;
  std::error_code error;
  setup.world = std::filesystem::current_path(error).string();
  setup.clockMs =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
          .count();
  setup.columns = std::max(columns, kiv::ScreenBuffer::kColumns);
  setup.rows = std::clamp(rows, kiv::kFewestRows, kiv::ScreenBuffer::kRows);
  std::ifstream progress;
  if (std::filesystem::is_regular_file("game.dat", error)) progress.open("game.dat", std::ios::binary);
  if (!progress.is_open()) {  // none, or not a file the game would read
    setup.progress = Setup::Progress::None;
    return setup;
  }
  setup.progress = Setup::Progress::Given;
  for (std::string line; std::getline(progress, line);) {
    line.erase(0, line.find_first_not_of(" \t"));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    setup.progressText += line;
  }
  return setup;
}

}  // namespace replay
