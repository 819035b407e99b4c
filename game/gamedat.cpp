// Reading and writing back the progress file.
#include "game/gamedat.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "game/game_state.h"
#include "game/narration.h"
#include "game/version.h"
#include "kiv/core/write_all.h"

namespace {

constexpr const char* kProgressFile = "game.dat";

// A file that exists but could not be read whole is never written over:
// what the parser could not read would be lost.
bool g_unreadable = false;

// The permissions the new file gets: the old file's, or the usual ones.
mode_t modeFor(const char* path) {
  struct stat old {};
  if (::stat(path, &old) == 0) return old.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// The file a save must replace: the target of a symbolic link, so that the
// link stays and the file it names gets the new counter.
std::string saveTarget(const char* path) {
  char* real = ::realpath(path, nullptr);
  if (real == nullptr) return path;
  std::string target = real;
  std::free(real);
  return target;
}

// Writes `bytes` to `path` through a temporary file in the same folder.
void replaceFile(const char* linkOrPath, const std::string& bytes) {
  const std::string target = saveTarget(linkOrPath);
  const char* path = target.c_str();
  if (::access(path, F_OK) == 0 && ::access(path, W_OK) != 0) return;  // a read-only file stays
  std::string temporary = target + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return;  // a read-only folder
  const bool written = ::fchmod(fd, modeFor(path)) == 0 && kiv::writeAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temporary.c_str(), path) != 0) ::unlink(temporary.c_str());
}

// Removes temporary files that a save killed before its rename left beside
// `path` ("game.dat.Ab12Cd"): regular files of this user only.
void removeLeftovers(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  const std::string prefix = (slash == std::string::npos ? path : path.substr(slash + 1)) + ".";
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string leftover = folder + "/" + name;
    struct stat info {};
    if (::lstat(leftover.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
      ::unlink(leftover.c_str());
  }
  ::closedir(dir);
}

enum class Read { Whole, Missing, Unreadable };

// Reads the progress file into `bytes` without ever blocking: only a regular
// file is read (a pipe or a device named game.dat is not).
Read readProgressFile(const char* path, std::string& bytes, std::string& problem) {
  const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    problem = errno == ENOENT ? "File was not found" : std::strerror(errno);
    return errno == ENOENT ? Read::Missing : Read::Unreadable;
  }
  struct stat info {};
  Read result = Read::Whole;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    problem = "It is not a regular file";
    result = Read::Unreadable;
  }
  char chunk[4096];
  for (ssize_t n; result == Read::Whole && (n = ::read(fd, chunk, sizeof chunk)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      problem = std::strerror(errno);
      result = Read::Unreadable;
    } else {
      bytes.append(chunk, static_cast<std::size_t>(n));
    }
  }
  ::close(fd);
  return result;
}

// The counter as written, kept within an int: a number too large for one
// counts as the largest, never as a first run.
int counterOf(const char* text) {
  while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r') ++text;
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text, &end, 10);
  if (end == text) return 0;
  if (value > INT_MAX || (errno == ERANGE && value > 0)) return INT_MAX;
  if (value < INT_MIN || errno == ERANGE) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace

void initialize_gamedat(const char* filename) {
  removeLeftovers(saveTarget(filename));
  std::string bytes, problem;
  const Read read = readProgressFile(filename, bytes, problem);
  pugi::xml_parse_result result_game;
  if (read == Read::Whole) {
    result_game = game.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_auto);
    if (!result_game) problem = result_game.description();
  } else {
    game.reset();
  }
  // Only a file that is really absent may be written anew; one that could
  // not be read whole is never written over.
  g_unreadable = read == Read::Unreadable || (read == Read::Whole && !result_game);
  if (!problem.empty()) reportFileProblem("There are some problems with the game state file : ", problem);
  if (read == Read::Missing) {  // a complete file from the start: no runs yet, this game's version
    game.append_child("RunningTime").text().set(0);
    game.append_child("version").text().set(kGameVersion);
  }
  RunningTime = counterOf(game.child("RunningTime").child_value());
  version = std::string("v") + game.child("version").child_value();
}

void saveRunCounter() {
  if (g_unreadable) return;
  pugi::xml_node counter = game.child("RunningTime");
  if (!counter) counter = game.append_child("RunningTime");
  counter.text().set(RunningTime < INT_MAX ? RunningTime + 1 : INT_MAX);
  std::ostringstream text;
  game.save(text, "\t", pugi::format_indent, pugi::encoding_auto);
  replaceFile(kProgressFile, text.str());
}

void forgetProgressFile() { g_unreadable = false; }
