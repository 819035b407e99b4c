// The pseudo-terminal harness: forkpty-style start, libvterm as the screen.
#include "pty_terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "kiv/codepage.h"

namespace e2e {
namespace {

using Clock = std::chrono::steady_clock;

int paletteNumber(const VTermColor& colour, bool foreground) {
  if (foreground ? VTERM_COLOR_IS_DEFAULT_FG(&colour) : VTERM_COLOR_IS_DEFAULT_BG(&colour)) return -1;
  if (VTERM_COLOR_IS_INDEXED(&colour)) return colour.indexed.idx;
  return -2;  // a direct colour: the game never sends one
}

}  // namespace

std::string utf8(char32_t ch) {
  std::string out;
  kiv::codepage::appendUtf8(out, ch);
  return out;
}

PtyTerminal::PtyTerminal(const std::vector<std::string>& argv, const Options& options) {
  open(options);
  startChild(options, [&] {
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    ::execv(args[0], args.data());
    std::perror("execv");
    ::_exit(127);
  });
}

PtyTerminal::PtyTerminal(const std::function<int()>& body, const Options& options) {
  open(options);
  startChild(options, [&] { ::_exit(body()); });
}

void PtyTerminal::open(const Options& options) {
  columns_ = options.columns;
  rows_ = options.rows;
  winsize size{};
  size.ws_col = static_cast<unsigned short>(columns_);
  size.ws_row = static_cast<unsigned short>(rows_);
  if (::openpty(&master_, &slave_, nullptr, nullptr, &size) != 0) throw std::runtime_error("openpty failed");
  ::fcntl(master_, F_SETFD, FD_CLOEXEC);
  ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  ::tcgetattr(slave_, &modesAtStart_);

  vterm_ = vterm_new(rows_, columns_);
  vterm_set_utf8(vterm_, 1);
  vterm_output_set_callback(vterm_, &PtyTerminal::onOutput, this);
  screen_ = vterm_obtain_screen(vterm_);
  static const VTermScreenCallbacks callbacks = {
      nullptr, nullptr, nullptr, &PtyTerminal::onTermProp, nullptr, nullptr, nullptr, nullptr};
  vterm_screen_set_callbacks(screen_, &callbacks, this);
  vterm_screen_enable_altscreen(screen_, 1);
  vterm_screen_reset(screen_, 1);
}

void PtyTerminal::startChild(const Options& options, const std::function<void()>& run) {
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    ::setsid();
    ::ioctl(slave_, TIOCSCTTY, 0);
    for (int fd = 0; fd < 3; ++fd) ::dup2(slave_, fd);
    ::close(slave_);
    ::close(master_);
    rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    if (!options.workingDirectory.empty() && ::chdir(options.workingDirectory.c_str()) != 0) ::_exit(126);
    for (const std::string& entry : options.environment) ::putenv(const_cast<char*>(entry.c_str()));
    run();
    ::_exit(127);
  }
}

PtyTerminal::~PtyTerminal() {
  if (pid_ > 0 && !status_) {
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
  }
  if (vterm_ != nullptr) vterm_free(vterm_);
  if (master_ >= 0) ::close(master_);
  if (slave_ >= 0) ::close(slave_);
}

int PtyTerminal::onTermProp(VTermProp prop, VTermValue* value, void* self) {
  auto* term = static_cast<PtyTerminal*>(self);
  switch (prop) {
    case VTERM_PROP_TITLE:
      term->title_ = value->string != nullptr ? value->string : "";
      break;
    case VTERM_PROP_CURSORVISIBLE:
      term->cursorVisible_ = value->boolean != 0;
      break;
    case VTERM_PROP_ALTSCREEN:
      term->altScreen_ = value->boolean != 0;
      break;
    default:
      break;
  }
  return 1;
}

void PtyTerminal::onOutput(const char* bytes, size_t length, void* self) {
  // What the emulator answers or sends for a key goes to the program.
  auto* term = static_cast<PtyTerminal*>(self);
  std::size_t done = 0;
  while (done < length) {
    const ssize_t n = ::write(term->master_, bytes + done, length - done);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

void PtyTerminal::send(const std::string& bytes) { onOutput(bytes.data(), bytes.size(), this); }

void PtyTerminal::press(VTermKey key) { vterm_keyboard_key(vterm_, key, VTERM_MOD_NONE); }

void PtyTerminal::readAvailable(std::chrono::milliseconds upTo) {
  pollfd fd{master_, POLLIN, 0};
  if (::poll(&fd, 1, static_cast<int>(upTo.count())) <= 0) return;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n <= 0) return;
    output_.append(buffer, static_cast<std::size_t>(n));
  }
}

bool PtyTerminal::feedStep() {
  const std::size_t left = output_.size() - fed_;
  if (left == 0) return false;
  const std::size_t step = std::min<std::size_t>(left, kStep);
  vterm_input_write(vterm_, output_.data() + fed_, step);
  fed_ += step;
  return true;
}

void PtyTerminal::pump(std::chrono::milliseconds upTo) {
  readAvailable(upTo);
  while (feedStep()) {
  }
}

bool PtyTerminal::waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  // The screen is looked at after every small step of output, so that a
  // screen shown only briefly is seen even when the test was slow to read.
  const auto end = Clock::now() + timeout;
  for (;;) {
    if (fed_ == output_.size()) readAvailable(0ms);
    while (feedStep())
      if (done()) return true;
    if (done()) return true;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
    if (left <= 0ms) return false;
    readAvailable(std::min(left, std::chrono::milliseconds(20)));
  }
}

bool PtyTerminal::waitForText(const std::string& text, std::chrono::milliseconds timeout, int row, int column) {
  return waitUntil(
      [&] {
        for (int y = 0; y < rows_; ++y) {
          if (row >= 0 && y != row) continue;
          const std::string shown = rowText(y);
          if (column < 0) {
            if (shown.find(text) != std::string::npos) return true;
            continue;
          }
          std::string at;
          for (int x = column; x < columns_ && at.size() < text.size(); ++x) at += utf8(cell(x, y).ch);
          if (at == text) return true;
        }
        return false;
      },
      timeout);
}

void PtyTerminal::settle(std::chrono::milliseconds quiet, std::chrono::milliseconds timeout) {
  const auto end = Clock::now() + timeout;
  std::size_t seen = output_.size();
  auto lastChange = Clock::now();
  while (Clock::now() < end) {
    pump(10ms);
    if (output_.size() != seen) {
      seen = output_.size();
      lastChange = Clock::now();
    } else if (Clock::now() - lastChange >= quiet) {
      return;
    }
  }
}

PtyTerminal::Cell PtyTerminal::cell(int column, int row) const {
  VTermScreenCell shown{};
  vterm_screen_get_cell(screen_, VTermPos{row, column}, &shown);
  Cell result;
  result.ch = shown.chars[0] == 0 ? U' ' : static_cast<char32_t>(shown.chars[0]);
  result.foreground = paletteNumber(shown.fg, true);
  result.background = paletteNumber(shown.bg, false);
  result.bold = shown.attrs.bold != 0;
  return result;
}

bool PtyTerminal::penIsPlain() const {
  VTermState* state = vterm_obtain_state(vterm_);
  VTermValue value{};
  for (VTermAttr attr : {VTERM_ATTR_BOLD, VTERM_ATTR_REVERSE, VTERM_ATTR_BLINK}) {
    vterm_state_get_penattr(state, attr, &value);
    if (value.boolean != 0) return false;
  }
  vterm_state_get_penattr(state, VTERM_ATTR_FOREGROUND, &value);
  if (!VTERM_COLOR_IS_DEFAULT_FG(&value.color)) return false;
  vterm_state_get_penattr(state, VTERM_ATTR_BACKGROUND, &value);
  return VTERM_COLOR_IS_DEFAULT_BG(&value.color);
}

std::string PtyTerminal::rowText(int row) const {
  std::string text;
  for (int x = 0; x < columns_; ++x) text += utf8(cell(x, row).ch);
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string PtyTerminal::screenText() const {
  std::string text;
  for (int y = 0; y < rows_; ++y) text += rowText(y) + "\n";
  return text;
}

termios PtyTerminal::modes() const {
  termios now{};
  ::tcgetattr(slave_, &now);
  return now;
}

void PtyTerminal::resize(int columns, int rows) {
  columns_ = columns;
  rows_ = rows;
  vterm_set_size(vterm_, rows, columns);
  winsize size{};
  size.ws_col = static_cast<unsigned short>(columns);
  size.ws_row = static_cast<unsigned short>(rows);
  ::ioctl(master_, TIOCSWINSZ, &size);  // the kernel tells the program with SIGWINCH
}

std::optional<int> PtyTerminal::waitExit(std::chrono::milliseconds timeout) {
  if (status_) return status_;
  waitUntil(
      [&] {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
        return status_.has_value();
      },
      timeout);
  if (status_) settle(50ms, 1000ms);  // what it wrote last
  return status_;
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "thalvorine-e2e-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TempFolder::write(const std::string& name, const std::string& content) const {
  std::ofstream(path_ + "/" + name, std::ios::binary) << content;
}

std::string TempFolder::read(const std::string& name) const {
  std::ifstream in(path_ + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> TempFolder::names() const {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) found.push_back(entry.path().filename());
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace e2e
