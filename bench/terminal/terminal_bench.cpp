// Benchmark of the real terminal device on a pseudo-terminal; prints a table, never fails.
#include <poll.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "kiv/codepage.h"
#include "kiv/kiv_engine.h"
#include "kiv/terminal_device.h"
#include "pty_terminal.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kLetters = 1000;
constexpr int kPauseMs = 10;
constexpr int kEchoes = 50;
constexpr auto kIdleWait = 10s;

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

std::size_t utf8Size(const std::string& codePage857) {
  std::string out;
  for (char c : codePage857) kiv::codepage::appendUtf8(out, kiv::codepage::toUnicode(static_cast<unsigned char>(c)));
  return out.size();
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
    if (term != nullptr) term->pump(5ms);
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, term != nullptr ? 0 : 10) > 0) return read(fd, &value, sizeof value) == sizeof value;
  }
  return false;
}

// The game side: types the narration twice (in the screen's colour, then
// in another), waits for a key, then echoes keys.
int gameSide(const Channel& ch) {
  kiv::TerminalDevice terminal;
  kiv::attach(terminal);
  const std::string text = narration();
  double go = 0;
  for (int attribute : {0x1F, 0x1E}) {
    kiv::textattr(0x1F);
    kiv::Clear();
    kiv::textattr(attribute);
    kiv::present();
    sendValue(ch.toParent[1], 0);
    readValue(ch.toChild[0], go, nullptr, 60s);
    const auto start = Clock::now();
    kiv::yaz(text, true, kPauseMs, 0, "   ", 75);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    kiv::present();
    sendValue(ch.toParent[1], ms);
  }

  const double before = cpuMs();
  kiv::GetKey();
  sendValue(ch.toParent[1], cpuMs() - before);

  kiv::textattr(0x1F);
  kiv::Clear();
  kiv::ShowConsoleCursor(1);
  for (int i = 0; i < kEchoes; ++i) {
    const int code = kiv::GetKey();
    kiv::screen().put(static_cast<std::uint8_t>(code));
  }
  kiv::present();
  return 0;
}

struct Typing {
  double pace = 0;
  double bytesPerByte = 0;
};

Typing measureTyping(e2e::PtyTerminal& term, const Channel& ch, std::size_t textBytes) {
  Typing result;
  double value = 0;
  readValue(ch.toParent[0], value, &term, 60s);  // the screen is ready
  term.settle(300ms, 5s);
  const std::size_t before = term.output().size();
  sendValue(ch.toChild[1], 1);
  if (!readValue(ch.toParent[0], value, &term, 120s)) return result;
  term.settle(300ms, 5s);
  const std::size_t sent = term.output().size() - before;
  const std::string letters = narration();
  const long paused = std::count_if(letters.begin(), letters.end(), [](char c) { return c != ' '; });
  result.pace = value / static_cast<double>(paused * kPauseMs);
  result.bytesPerByte = static_cast<double>(sent) / static_cast<double>(textBytes);
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

  const std::size_t textBytes = utf8Size("   " + narration());
  const Typing screenColour = measureTyping(term, ch, textBytes);
  const Typing otherColour = measureTyping(term, ch, textBytes);

  // Idle: the game side waits for a key that comes only after kIdleWait.
  term.settle(300ms, 5s);
  const auto idleStart = Clock::now();
  while (Clock::now() - idleStart < kIdleWait) term.pump(100ms);
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

  double load[3] = {};
  getloadavg(load, 3);
  std::printf("terminal device on a pseudo-terminal (%d letters at %d ms, %zu bytes of UTF-8 text)\n", kLetters,
              kPauseMs, textBytes);
  std::printf("machine load (1 min average) %.2f on %ld cores: pace suffers on a busy machine\n", load[0],
              sysconf(_SC_NPROCESSORS_ONLN));
  std::printf("%-46s %10s %10s\n", "measure", "measured", "goal");
  std::printf("%-46s %10.4f %10s\n", "typing pace: time / ideal", screenColour.pace, "<= 1.005");
  std::printf("%-46s %10.3f %10s\n", "bytes sent / text bytes (screen's colour)", screenColour.bytesPerByte,
              "<= 1.25");
  std::printf("%-46s %10.3f %10s\n", "bytes sent / text bytes (another colour)", otherColour.bytesPerByte, "-");
  std::printf("%-46s %10.4f %10s\n", "typing pace in another colour: time / ideal", otherColour.pace, "-");
  std::printf("%-46s %10.2f %10s\n", "CPU ms while waiting 10 s for a key", idleCpu, "< 20");
  std::printf("%-46s %10.3f %10s\n", "key to echo, median ms (of 50)", median, "< 5");
  std::printf("%-46s %10.3f %10s\n", "key to echo, worst ms", worst, "-");
  return 0;
}
