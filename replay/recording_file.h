// A game recorded into a file: the file made only when the game starts, and
// a recording the disk cut short cut back to its last whole line, with a word
// for the player after the game.
#pragma once

#include <fstream>
#include <optional>
#include <string>

#include "kiv/core/device.h"
#include "replay/recording.h"
#include "replay/recording_device.h"

namespace replay {

class RecordingFile {
 public:
  // Makes `path` anew and starts the recording there with `setup`, passing
  // everything on to `inner` (which must outlive this). When the file cannot
  // be made, nothing is recorded: isRecording() is false and finish() says why.
  RecordingFile(std::string path, kiv::Device& inner, const Setup& setup);

  bool isRecording() const { return device_.has_value(); }
  // The device to play on; only while isRecording().
  kiv::Device& device() { return *device_; }

  // After the game: ends the recording and closes the file, cut back to its
  // last whole line when a line could not be written. Empty when the file
  // holds the whole game; otherwise one line (ending in a newline) telling
  // the player what the file holds and why.
  std::string finish();

 private:
  std::string path_;
  std::ofstream file_;
  std::string openProblem_;
  std::optional<RecordingDevice> device_;
};

}  // namespace replay
