// Benchmark of the real terminal device on a pseudo-terminal; prints a table, never fails.
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "kiv/core/codepage.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/terminal/terminal_device.h"
#include "pty_terminal.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kLetters = 1000;
constexpr int kPauseMs = 10;
constexpr int kEchoes = 50;
constexpr auto kIdleWait = 10s;
constexpr int kScreen = 0x1F;  // white on blue, a room's colours

// One typing of the narration: the colours its words take in turn, and how
// many busy processes share the machine meanwhile.
struct Case {
  const char* name;
  std::vector<int> colours;
  int busy;
};

const Case kCases[] = {
    {"the screen's colour (0x1F on 0x1F)", {kScreen}, 0},
    {"another colour (0x02 on 0x1F)", {0x02}, 0},
    {"a mix (each word 0x1F, 0x02, 0x1E, 0x4F)", {0x1F, 0x02, 0x1E, 0x4F}, 0},
    {"another colour, 2 busy processes", {0x02}, 2},
    {"another colour, 4 busy processes", {0x02}, 4},
};

// A narration of exactly kLetters letters (blanks not counted), in code
// page 857 with the Turkish letters a room description has.
std::string narration() {
  const std::string sentence =
      "Karanl\x8Dk bir odada uyan\x8Dyorsun. Duvarlar so\x87uk ve nemli; bir yerden su damlas\x8D sesi "
      "geliyor. Masan\x8Dn \x81st\x81nde eski bir lamba ve k\x81\x87\x81k bir anahtar duruyor. ";
  std::string text;
  int letters = 0;
  for (std::size_t i = 0; letters < kLetters; i = (i + 1) % sentence.size()) {
    text += sentence[i];
    if (sentence[i] != ' ') ++letters;
  }
  return text;
}

double cpuMs() {
  rusage use{};
  getrusage(RUSAGE_SELF, &use);
  return (use.ru_utime.tv_sec + use.ru_stime.tv_sec) * 1e3 + (use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e3;
}

// The two ends of the control pipes between the bench and the game side.
struct Channel {
  int toChild[2];
  int toParent[2];
};

void sendValue(int fd, double value) { [[maybe_unused]] auto n = write(fd, &value, sizeof value); }

bool readValue(int fd, double& value, e2e::PtyTerminal* term, std::chrono::milliseconds timeout) {
  const auto end = Clock::now() + timeout;
  while (Clock::now() < end) {
    if (term != nullptr) term->settle(5ms, 5ms);
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, term != nullptr ? 0 : 10) > 0) return read(fd, &value, sizeof value) == sizeof value;
  }
  return false;
}

// Types the narration word by word, each word in the next of `colours`;
// returns how far, at worst, a word's end lagged behind the ideal pace (ms).
double typeNarration(const std::vector<int>& colours, Clock::time_point start) {
  const std::string text = narration();
  std::string lead = "   ";
  std::size_t word = 0;
  int letters = 0;
  double worstLag = 0;
  for (std::size_t from = 0; from < text.size(); ++word) {
    const std::size_t end = std::min(text.find(' ', from), text.size());
    kiv::textattr(colours[word % colours.size()]);
    kiv::yaz(text.substr(from, end - from), true, kPauseMs, 0, lead, 75);
    letters += static_cast<int>(end - from);
    const auto ideal = start + std::chrono::milliseconds(letters * kPauseMs);
    worstLag = std::max(worstLag, std::chrono::duration<double, std::milli>(Clock::now() - ideal).count());
    lead = " ";
    from = end + 1;
  }
  return worstLag;
}

// The game side: for each case, clears the screen and types the narration,
// each when told; then waits for a key, then echoes keys.
int gameSide(const Channel& ch) {
  std::string refusal;
  const std::unique_ptr<kiv::TerminalDevice> terminal = kiv::TerminalDevice::open(refusal);
  if (!terminal) {
    std::fputs(refusal.c_str(), stderr);
    return 2;
  }
  kiv::attach(*terminal);
  double go = 0;
  for (const Case& c : kCases) {
    readValue(ch.toChild[0], go, nullptr, 60s);
    kiv::textattr(kScreen);
    kiv::Clear();
    kiv::present();
    sendValue(ch.toParent[1], 0);
    readValue(ch.toChild[0], go, nullptr, 60s);
    const double cpuBefore = cpuMs();
    const auto start = Clock::now();
    const double worstLag = typeNarration(c.colours, start);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    kiv::present();
    sendValue(ch.toParent[1], ms);
    sendValue(ch.toParent[1], worstLag);
    sendValue(ch.toParent[1], cpuMs() - cpuBefore);
  }

  const double before = cpuMs();
  kiv::GetKey();
  sendValue(ch.toParent[1], cpuMs() - before);

  kiv::textattr(kScreen);
  kiv::Clear();
  kiv::ShowConsoleCursor(1);
  for (int i = 0; i < kEchoes; ++i) {
    const int code = kiv::GetKey();
    kiv::screen().put(static_cast<std::uint8_t>(code));
  }
  kiv::present();
  return 0;
}

volatile unsigned long g_spun = 0;

// `count` processes that only spin, for the length of a measurement.
std::vector<pid_t> startBusy(int count) {
  std::vector<pid_t> busy;
  for (int i = 0; i < count; ++i) {
    const pid_t pid = fork();
    if (pid == 0) {
      for (unsigned long spin = 0;; ++spin) g_spun = spin;
    }
    if (pid > 0) busy.push_back(pid);
  }
  return busy;
}

void stopBusy(const std::vector<pid_t>& busy) {
  for (pid_t pid : busy) kill(pid, SIGKILL);
  for (pid_t pid : busy) waitpid(pid, nullptr, 0);
}

struct Typing {
  double pace = 0;
  double bytesPerByte = 0;
  double bytesPerLetter = 0;
  double worstLagMs = 0;
  double cpuMs = 0;
};

Typing measureTyping(e2e::PtyTerminal& term, const Channel& ch, const Case& c, std::size_t textBytes) {
  Typing result;
  double value = 0;
  sendValue(ch.toChild[1], 0);                   // clear the screen
  readValue(ch.toParent[0], value, &term, 60s);  // the screen is ready
  term.settle(300ms, 5s);
  const std::vector<pid_t> busy = startBusy(c.busy);
  const std::size_t before = term.output().size();
  sendValue(ch.toChild[1], 1);
  const bool typed = readValue(ch.toParent[0], value, &term, 120s) &&
                     readValue(ch.toParent[0], result.worstLagMs, &term, 5s) &&
                     readValue(ch.toParent[0], result.cpuMs, &term, 5s);
  stopBusy(busy);
  if (!typed) return result;
  term.settle(300ms, 5s);
  const auto sent = static_cast<double>(term.output().size() - before);
  result.pace = value / (kLetters * kPauseMs);
  result.bytesPerByte = sent / static_cast<double>(textBytes);
  result.bytesPerLetter = sent / kLetters;
  return result;
}

}  // namespace

int main() {
  Channel ch{};
  if (pipe(ch.toChild) != 0 || pipe(ch.toParent) != 0) {
    std::puts("terminal bench: no pipes");
    return 0;
  }
  e2e::PtyTerminal::Options options;
  e2e::PtyTerminal term([&] { return gameSide(ch); }, options);

  double load[3] = {};
  getloadavg(load, 3);
  const std::size_t textBytes = kiv::codepage::toUtf8("   " + narration()).size();
  std::vector<Typing> typings;
  for (const Case& c : kCases) typings.push_back(measureTyping(term, ch, c, textBytes));

  // Idle: the game side waits for a key that comes only after kIdleWait.
  term.settle(300ms, 5s);
  const auto idleStart = Clock::now();
  while (Clock::now() - idleStart < kIdleWait) term.settle(100ms, 100ms);
  term.send("x");
  double idleCpu = -1;
  readValue(ch.toParent[0], idleCpu, &term, 30s);

  // Echo: each key's letter appears on the emulator's screen.
  term.settle(300ms, 5s);
  std::vector<double> latencies;
  for (int i = 0; i < kEchoes; ++i) {
    const char letter = static_cast<char>('a' + i % 26);
    const int column = i;
    const auto start = Clock::now();
    term.send(std::string(1, letter));
    if (!term.waitUntil([&] { return term.cell(column, 0).ch == static_cast<char32_t>(letter); }, 5s)) break;
    latencies.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(latencies.begin(), latencies.end());
  const double median = latencies.empty() ? -1 : latencies[latencies.size() / 2];
  const double worst = latencies.empty() ? -1 : latencies.back();
  term.waitExit(10s);

  std::printf("terminal device on a pseudo-terminal (%d letters at %d ms, %zu bytes of UTF-8 text, screen 0x%02X)\n",
              kLetters, kPauseMs, textBytes, kScreen);
  std::printf("machine load (1 min average) %.2f on %ld cores before the busy processes\n", load[0],
              sysconf(_SC_NPROCESSORS_ONLN));
  std::printf("%-42s %7s %7s %10s %6s %7s\n", "typing in", "bytes", "bytes", "pace:", "worst", "CPU us");
  std::printf("%-42s %7s %7s %10s %6s %7s\n", "", "/letter", "/text B", "time/ideal", "lag ms", "/letter");
  for (std::size_t i = 0; i < typings.size(); ++i)
    std::printf("%-42s %7.3f %7.3f %10.4f %6.2f %7.1f\n", kCases[i].name, typings[i].bytesPerLetter,
                typings[i].bytesPerByte, typings[i].pace, typings[i].worstLagMs, typings[i].cpuMs * 1e3 / kLetters);
  std::printf("goals: bytes / text byte <= 1.25; pace <= 1.005 idle, <= 1.01 with 4 busy processes on 2 cores\n");
  std::printf("%-46s %10s %10s\n", "measure", "measured", "goal");
  std::printf("%-46s %10.2f %10s\n", "CPU ms while waiting 10 s for a key", idleCpu, "< 20");
  std::printf("%-46s %10.3f %10s\n", "key to echo, median ms (of 50)", median, "< 5");
  std::printf("%-46s %10.3f %10s\n", "key to echo, worst ms", worst, "-");
  return 0;
}
