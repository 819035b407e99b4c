// Reading and writing back the progress file.
#include "game/gamedat.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <sstream>
#include <string>

#include "game/game_state.h"
#include "kiv/kiv_engine.h"

namespace {

constexpr const char* kProgressFile = "game.dat";

// A file that exists but could not be read whole is never written over:
// what the parser could not read would be lost.
bool g_unreadable = false;

void report(const std::string& text) { kiv::yaz(text, false, 0, 0, "   ", 75); }

bool writeAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The permissions the new file gets: the old file's, or the usual ones.
mode_t modeFor(const char* path) {
  struct stat old {};
  if (::stat(path, &old) == 0) return old.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Writes `bytes` to `path` through a temporary file in the same folder.
void replaceFile(const char* path, const std::string& bytes) {
  if (::access(path, F_OK) == 0 && ::access(path, W_OK) != 0) return;  // a read-only file stays
  std::string temporary = std::string(path) + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return;  // a read-only folder
  const bool written = ::fchmod(fd, modeFor(path)) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temporary.c_str(), path) != 0) ::unlink(temporary.c_str());
}

}  // namespace

void initialize_gamedat(const char* filename) {
  const pugi::xml_parse_result result_game = game.load_file(filename, pugi::parse_default, pugi::encoding_auto);
  // The parser says "not found" also for a file it may not open: only a file
  // that is really absent may be written anew.
  g_unreadable = !result_game && (result_game.status != pugi::status_file_not_found || ::access(filename, F_OK) == 0);
  if (!result_game) {
    report("There are some problems with the game state file : ");
    report(result_game.description());
    report("I highly recommend you to download the game again.");
  }
  RunningTime = kiv::StringToInt(game.child("RunningTime").child_value());
  version = std::string("v") + game.child("version").child_value();
}

void saveRunCounter() {
  if (g_unreadable) return;
  std::unique_ptr<char[]> counter(kiv::IntToChar(RunningTime + 1));
  game.child("RunningTime").first_child().set_value(counter.get());
  std::ostringstream text;
  game.save(text, "\t", pugi::format_indent, pugi::encoding_auto);
  replaceFile(kProgressFile, text.str());
}
