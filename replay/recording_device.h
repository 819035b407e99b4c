// Records a game while it is played: a device that passes everything on to
// the real one and writes each key, at its moment of the game's clock, as a
// recording that replays exactly what the player saw. Each line is handed
// to the stream whole and flushed at once, so that a game ended by a signal
// leaves every key it read.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "kiv/core/device.h"
#include "replay/recording.h"

namespace replay {

// Why a recording stopped before the game did.
struct RecordingStop {
  int error = 0;                 // the errno of the write that failed, 0 when the stream did not say
  std::int64_t atMs = 0;         // the game's clock then
  std::uint64_t wholeBytes = 0;  // the bytes of the whole lines written before it
};

class RecordingDevice : public kiv::Device {
 public:
  // Writes `setup` to `out` at once; `setup.clockMs` is the calendar time the
  // game's clock starts at. Both `inner` and `out` must outlive the device.
  RecordingDevice(kiv::Device& inner, std::ostream& out, const Setup& setup);
  // As end().
  ~RecordingDevice() override;
  RecordingDevice(const RecordingDevice&) = delete;
  RecordingDevice& operator=(const RecordingDevice&) = delete;

  void present(const kiv::ScreenBuffer& screen) override { inner_.present(screen); }
  int readKey() override;
  bool keyWaiting() override;
  void sleepMs(int ms) override;
  void beep(int frequency, int ms) override;
  // While recording, the calendar follows the game's own clock (the start
  // plus every pause, tone and wait for a key), so that the chances a replay
  // draws fall in the same seconds as the player's.
  std::int64_t calendarSecond() override { return (startMs_ + nowMs_) / 1000; }
  void setTitle(const std::string& title) override { inner_.setTitle(title); }
  void setCursorVisible(bool visible) override { inner_.setCursorVisible(visible); }

  // Writes a two-code key whose second code was never read; nothing after it
  // is recorded. Doing it again does nothing.
  void end();
  // Set once a line could not be written: nothing is written after it, and
  // the stream may hold part of that line after `wholeBytes`.
  const std::optional<RecordingStop>& stopped() const { return stopped_; }

 private:
  void put(const std::string& lines);

  kiv::Device& inner_;
  std::ostream& out_;
  std::int64_t startMs_;
  std::int64_t nowMs_ = 0;                   // the game's clock
  std::optional<std::int64_t> seenWaiting_;  // when the game first saw the next key waiting
  int pendingFirst_ = -1;                    // the first code of a two-code key, until its second
  std::int64_t pendingAt_ = 0;
  std::uint64_t wholeBytes_ = 0;
  std::optional<RecordingStop> stopped_;
  bool ended_ = false;
};

// The setup of a game about to start in the working folder: that folder as
// its world, the progress file it holds (on one line), the calendar time now
// and a terminal of `columns` × `rows` (at least the game's 80 columns and
// kiv::kFewestRows rows).
Setup setupOfThisGame(int columns, int rows);

}  // namespace replay
