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
#include <stdexcept>

#include "kiv/core/codepage.h"

namespace e2e {
namespace {

using Clock = std::chrono::steady_clock;

int paletteNumber(const VTermColor& colour, bool foreground) {
  if (foreground ? VTERM_COLOR_IS_DEFAULT_FG(&colour) : VTERM_COLOR_IS_DEFAULT_BG(&colour)) return -1;
  return VTERM_COLOR_IS_INDEXED(&colour) ? colour.indexed.idx : -2;  // a direct colour: the game sends none
}

}  // namespace

PtyTerminal::PtyTerminal(const std::function<int()>& body, const Options& options) : vterm_(vterm_new(25, 80)) {
  if (::openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) throw std::runtime_error("openpty failed");
  ::fcntl(master_, F_SETFD, FD_CLOEXEC);
  ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  ::tcgetattr(slave_, &modesAtStart_);
  resize(80, 25);

  vterm_set_utf8(vterm_, 1);
  screen_ = vterm_obtain_screen(vterm_);
  static const VTermScreenCallbacks callbacks = {nullptr, nullptr, nullptr, &PtyTerminal::onTermProp,
                                                 nullptr, nullptr, nullptr, nullptr};
  vterm_screen_set_callbacks(screen_, &callbacks, this);
  vterm_screen_enable_altscreen(screen_, 1);
  vterm_screen_reset(screen_, 1);

  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ != 0) return;
  ::setsid();
  ::ioctl(slave_, TIOCSCTTY, 0);
  for (int fd = 0; fd < 3; ++fd) ::dup2(slave_, fd);
  ::close(slave_);
  ::close(master_);
  const rlimit noCore{0, 0};
  ::setrlimit(RLIMIT_CORE, &noCore);
  if (options.fileSizeLimit >= 0) {
    const rlimit fileSize{static_cast<rlim_t>(options.fileSizeLimit), static_cast<rlim_t>(options.fileSizeLimit)};
    ::setrlimit(RLIMIT_FSIZE, &fileSize);
  }
  if (!options.workingDirectory.empty() && ::chdir(options.workingDirectory.c_str()) != 0) ::_exit(126);
  for (const std::string& entry : options.environment) ::putenv(const_cast<char*>(entry.c_str()));
  if (options.nullFd >= 0) ::dup2(::open("/dev/null", O_RDWR), options.nullFd);
  ::_exit(body());
}

PtyTerminal::~PtyTerminal() {
  if (pid_ > 0 && !status_) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  vterm_free(vterm_);
  ::close(master_);
  ::close(slave_);
}

int PtyTerminal::onTermProp(VTermProp prop, VTermValue* value, void* self) {
  auto* term = static_cast<PtyTerminal*>(self);
  if (prop == VTERM_PROP_TITLE) term->title_ = value->string != nullptr ? value->string : "";
  if (prop == VTERM_PROP_CURSORVISIBLE) term->cursorVisible_ = value->boolean != 0;
  if (prop == VTERM_PROP_ALTSCREEN) term->altScreen_ = value->boolean != 0;
  return 1;
}

void PtyTerminal::send(const std::string& bytes) {
  if (::write(master_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
    throw std::runtime_error("the terminal took not all the keys");
}

void PtyTerminal::readAvailable(std::chrono::milliseconds upTo) {
  pollfd fd{master_, POLLIN, 0};
  if (::poll(&fd, 1, static_cast<int>(upTo.count())) <= 0) return;
  char buffer[4096];
  for (ssize_t n = 0; (n = ::read(master_, buffer, sizeof buffer)) > 0;)
    output_.append(buffer, static_cast<std::size_t>(n));
}

bool PtyTerminal::feedStep() {
  std::size_t step = std::min(output_.size() - fed_, kStep);
  const std::size_t bell = output_.find('\a', fed_);
  if (bell < fed_ + step) step = bell + 1 - fed_;  // the screen as the bell rang
  vterm_input_write(vterm_, output_.data() + fed_, step);
  fed_ += step;
  return step > 0;
}

bool PtyTerminal::waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto end = Clock::now() + timeout;
  for (;;) {
    if (fed_ == output_.size()) readAvailable(0ms);
    while (feedStep())
      if (done()) return true;
    if (done()) return true;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
    if (left <= 0ms) return false;
    readAvailable(std::min(left, 20ms));
  }
}

void PtyTerminal::settle(std::chrono::milliseconds quiet, std::chrono::milliseconds timeout) {
  const auto end = Clock::now() + timeout;
  for (auto lastChange = Clock::now(); Clock::now() < end && Clock::now() - lastChange < quiet;) {
    const std::size_t seen = output_.size();
    readAvailable(10ms);
    if (output_.size() != seen) lastChange = Clock::now();
  }
  while (feedStep()) {
  }
}

PtyTerminal::Cell PtyTerminal::cell(int column, int row) const {
  VTermScreenCell shown{};
  vterm_screen_get_cell(screen_, VTermPos{row, column}, &shown);
  return {
      shown.chars[0] == 0 ? U' ' : static_cast<char32_t>(shown.chars[0]),
      {paletteNumber(shown.fg, true), paletteNumber(shown.bg, false), shown.attrs.bold != 0, shown.attrs.reverse != 0}};
}

std::pair<int, int> PtyTerminal::cursor() const {
  VTermPos at{};
  vterm_state_get_cursorpos(vterm_obtain_state(vterm_), &at);
  return {at.row, at.col};
}

bool PtyTerminal::penIsPlain() const {
  VTermState* state = vterm_obtain_state(vterm_);
  VTermValue bold{}, reverse{}, foreground{}, background{};
  vterm_state_get_penattr(state, VTERM_ATTR_BOLD, &bold);
  vterm_state_get_penattr(state, VTERM_ATTR_REVERSE, &reverse);
  vterm_state_get_penattr(state, VTERM_ATTR_FOREGROUND, &foreground);
  vterm_state_get_penattr(state, VTERM_ATTR_BACKGROUND, &background);
  return !bold.boolean && !reverse.boolean && VTERM_COLOR_IS_DEFAULT_FG(&foreground.color) &&
         VTERM_COLOR_IS_DEFAULT_BG(&background.color);
}

std::string PtyTerminal::rowText(int row) const {
  std::string text;
  for (int x = 0; x < columns_; ++x) kiv::codepage::appendUtf8(text, cell(x, row).ch);
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string PtyTerminal::screenText() const {
  std::string text;
  for (int y = 0; y < rows_; ++y) text += rowText(y) + "\n";
  return text;
}

bool PtyTerminal::modesAsAtStart() const {
  termios now{};
  ::tcgetattr(slave_, &now);
  const termios& then = modesAtStart_;
  return now.c_lflag == then.c_lflag && now.c_iflag == then.c_iflag && now.c_oflag == then.c_oflag &&
         now.c_cflag == then.c_cflag;
}

void PtyTerminal::resize(int columns, int rows) {
  columns_ = columns;
  rows_ = rows;
  vterm_set_size(vterm_, rows, columns);
  const winsize size{static_cast<unsigned short>(rows), static_cast<unsigned short>(columns), 0, 0};
  ::ioctl(master_, TIOCSWINSZ, &size);  // the kernel tells the program with SIGWINCH
}

std::optional<int> PtyTerminal::waitExit(std::chrono::milliseconds timeout) {
  int status = 0;
  const auto ended = [&] {
    if (!status_ && ::waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
    return status_.has_value();
  };
  if (waitUntil(ended, timeout)) settle(50ms, 1000ms);  // what it wrote last
  return status_;
}

}  // namespace e2e
