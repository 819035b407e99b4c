// Replaying one recording file against a world, in a folder of its own.
#pragma once

#include <iosfwd>
#include <string>

namespace replay {

struct RunOptions {
  std::string recordingFile;
  std::string world;         // overrides the recording's own world line when not empty; for a
                             // story choice, the folder its worlds are named from
  bool printScreen = false;  // the screen at the end, on `out`
  bool trace = false;        // the screen before every key, on `out`
};

// Plays the recording on a virtual console in virtual time, with the game
// in a temporary copy of the world (and the recording's progress file), or
// the story choice among the recording's worlds.
// Each failed checkpoint goes to `err` as "file:line: what" with the screen.
// Returns 0 when every checkpoint held, 1 when one failed, 2 when the
// recording or the world could not be read.
int runRecording(const RunOptions& options, std::ostream& out, std::ostream& err);

}  // namespace replay
