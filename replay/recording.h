// A recording: the keys of a game, what makes it replay the same way, and
// checkpoints on what the player must (or must not) see. The format is plain
// UTF-8 text, described in docs/recordings.md.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace replay {

// What makes a replay the same every time.
struct Setup {
  std::string world;                         // as written; empty when not given
  std::int64_t clockMs = 1'800'000'000'000;  // calendar time at start
  int columns = 80;
  int rows = 25;
  enum class Progress { World, Given, None } progress = Progress::World;
  std::string progressText;         // the progress file, for Progress::Given
  std::vector<std::string> choice;  // the world folders of a story choice, as written; empty: a game
};

// One key code pressed, or one checkpoint, with its line in the recording.
struct Step {
  enum class Kind { Key, See, NotSee, Row, At, Colour, Heard, Saved, Title, Exit };
  Kind kind = Kind::Key;
  int line = 0;
  int code = 0;                            // Key: as the device hands it on
  std::optional<std::int64_t> atMs;        // Key: pressed at this moment of the game's clock
  std::string text;                        // code page 857 bytes (Saved: as written)
  int x = 0;                               // At, Colour
  int y = 0;                               // Row, At, Colour
  int number = 0;                          // Colour: the attribute; Exit: the status
  std::vector<std::pair<int, int>> tones;  // Heard: (frequency, ms) in order
  bool isKey() const { return kind == Kind::Key; }
};

struct Recording {
  Setup setup;
  std::vector<Step> steps;
};

struct ParseResult {
  Recording recording;
  int errorLine = 0;  // 0 when the recording was read whole
  std::string error;
};

// Reads a recording. Stops at the first line it cannot read, naming it.
ParseResult parseRecording(std::istream& in);

// The lines a recording made while playing starts with.
void writeSetup(std::ostream& out, const Setup& setup);
// One key line of such a recording: the key pressed at `atMs` of the game's
// clock, as the game's codes; `second` is the second code of a two-code key,
// or -1 (then `first` is a typed character or a one-code key).
void writeKey(std::ostream& out, std::int64_t atMs, int first, int second);

}  // namespace replay
