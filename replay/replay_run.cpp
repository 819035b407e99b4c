// Running a recording: a fresh copy of the world, the game on a replay console.
#include "replay/replay_run.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <vector>

#include "game/game_state.h"
#include "game/startup.h"
#include "game/world_choice.h"
#include "kiv/core/kiv_engine.h"
#include "replay/replay_console.h"
#include "replay/temporary_folder.h"

namespace replay {
namespace {

namespace fs = std::filesystem;

// Copies the world's texts, its rules and the starting progress file into `folder`;
// an empty text on success, else what went wrong.
std::string prepare(const fs::path& world, const Setup& setup, const fs::path& folder) {
  if (!fs::is_regular_file(world / "tr.lng") || !fs::is_directory(world / "rooms") ||
      !fs::is_directory(world / "objects"))
    return "no world in " + world.string() + " (it needs tr.lng, rooms/ and objects/)";
  std::error_code error;
  fs::copy(world / "tr.lng", folder / "tr.lng", error);
  if (!error) fs::copy(world / "rooms", folder / "rooms", fs::copy_options::recursive, error);
  if (!error) fs::copy(world / "objects", folder / "objects", fs::copy_options::recursive, error);
  if (!error && fs::exists(world / "rules.txt")) fs::copy(world / "rules.txt", folder / "rules.txt", error);
  if (!error && setup.progress == Setup::Progress::World && fs::exists(world / "game.dat"))
    fs::copy(world / "game.dat", folder / "game.dat", error);
  if (error) return "cannot copy the world from " + world.string() + ": " + error.message();
  if (setup.progress == Setup::Progress::Given && !(std::ofstream(folder / "game.dat") << setup.progressText << '\n'))
    return "cannot write the progress file in " + folder.string();
  return {};
}

// Plays `recording` on a replay console, `game` running until it returns an
// exit status; the runner's exit status.
int replay(const Recording& recording, const RunOptions& options, const std::function<int()>& game, std::ostream& out,
           std::ostream& err) {
  ReplayConsole console(recording, options.trace ? &out : nullptr);
  resetGameState();
  kiv::attach(console);
  try {
    const int status = game();
    kiv::present();
    console.finish(status);
  } catch (const kiv::ScriptEnded&) {
    console.finishUnended();
  }
  for (const Failure& failure : console.failures())
    err << options.recordingFile << ':' << failure.line << ": " << failure.message << "\n" << failure.screen;
  if (options.printScreen) out << console.screenText();
  return console.failures().empty() ? 0 : 1;
}

// The titles of a story choice's world folders, named relative to `base`.
std::vector<std::string> choiceTitles(const Recording& recording, const fs::path& base) {
  std::vector<std::string> titles;
  for (const std::string& folder : recording.setup.choice) titles.push_back(worldTitle(base / folder));
  return titles;
}

}  // namespace

int runRecording(const RunOptions& options, std::ostream& out, std::ostream& err) {
  const std::string& name = options.recordingFile;
  std::ifstream in(name);
  if (!in) {
    err << name << ": cannot read the recording\n";
    return 2;
  }
  const ParseResult parsed = parseRecording(in);
  if (parsed.errorLine != 0) {
    err << name << ':' << parsed.errorLine << ": " << parsed.error << '\n';
    return 2;
  }
  const Recording& recording = parsed.recording;
  if (!recording.setup.choice.empty()) {
    const fs::path base = options.world.empty() ? fs::path(name).parent_path() : fs::path(options.world);
    const std::vector<std::string> titles = choiceTitles(recording, base);
    return replay(
        recording, options, [&] { return choiceStatus(chooseWorld(titles)); }, out, err);
  }
  fs::path world = options.world;
  if (world.empty()) {
    if (recording.setup.world.empty()) {
      err << name << ": the recording names no world; give one with --world\n";
      return 2;
    }
    world = fs::absolute(fs::path(name).parent_path() / recording.setup.world);
  }
  world = fs::absolute(world);

  TemporaryFolder folder("thalvorine-replay");
  if (folder.path().empty()) {
    err << "thalvorine-replay: cannot make a temporary folder\n";
    return 2;
  }
  if (const std::string problem = prepare(world, recording.setup, folder.path()); !problem.empty()) {
    err << name << ": " << problem << '\n';
    return 2;
  }
  folder.enter();

  return replay(recording, options, startUp, out, err);
}

}  // namespace replay
