// Recording into a file, and saying so when the disk would not take it.
#include "replay/recording_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace replay {

namespace {

std::string reasonOf(int error) { return error != 0 ? std::strerror(error) : "the file could not be written"; }

}  // namespace

RecordingFile::RecordingFile(std::string path, kiv::Device& inner, const Setup& setup) : path_(std::move(path)) {
  errno = 0;
  file_.open(path_, std::ios::binary | std::ios::trunc);
  if (!file_) {
    openProblem_ = reasonOf(errno);
    return;
  }
  device_.emplace(inner, file_, setup);
}

std::string RecordingFile::finish() {
  if (!device_) return "thalvorine: the recording " + path_ + " cannot be made: " + openProblem_ + "\n";
  device_->end();
  const std::optional<RecordingStop> stopped = device_->stopped();
  device_.reset();
  file_.close();
  if (!stopped) return "";
  std::error_code ignored;  // a device or a pipe stays as it is
  if (std::filesystem::is_regular_file(path_, ignored))
    std::filesystem::resize_file(path_, stopped->wholeBytes, ignored);
  const std::string why = reasonOf(stopped->error);
  if (stopped->wholeBytes == 0) return "thalvorine: the recording " + path_ + " could not be written: " + why + "\n";
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.1f", static_cast<double>(stopped->atMs) / 1000.0);
  return "thalvorine: the recording " + path_ + " could not be written in full (" + why +
         "); it replays the game's first " + seconds + " seconds.\n";
}

}  // namespace replay
