// Measures the beeps' way to the sound system: how long opening takes when
// there is no device, how soon a beep's first sample reaches the device, and
// how closely each beep call keeps its length.
//
//   bench_beeps            on a device of its own (ALSA's file plugin into a
//                          pipe that this program reads, over the null device)
//   bench_beeps DEVICE [MONITOR]
//                          also times the beeps on the machine's ALSA DEVICE
//                          (for example "default" or "pulse"); with MONITOR,
//                          a capture device that hears what DEVICE plays
//                          (a sound server's monitor source), also how soon
//                          each beep sounds there
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "kiv/sound/alsa_sound_output.h"
#include "kiv/sound/tone.h"
#include "onset_capture.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start, Clock::time_point end = Clock::now()) {
  return std::chrono::duration<double, std::milli>(end - start).count();
}

void report(const char* what, std::vector<double> values) {
  if (values.empty()) return;
  std::sort(values.begin(), values.end());
  std::printf("  %-44s n=%3zu  min %7.3f  median %7.3f  max %7.3f ms\n", what, values.size(), values.front(),
              values[values.size() / 2], values.back());
}

struct Note {
  int frequency;
  int ms;
};

// The game's melodies and a spread of the random beep's lengths.
std::vector<Note> gameNotes() {
  std::vector<Note> notes = {{329, 300}, {493, 300}, {698, 300}, {659, 600}, {196, 200}, {293, 200},
                             {392, 300}, {196, 200}, {293, 200}, {392, 600}, {800, 100}};
  for (int ms = 200; ms <= 700; ms += 125) notes.push_back({ms, ms});
  return notes;
}

void timeOpening() {
  std::printf("Opening:\n");
  std::vector<double> first, machine, unknown;
  bool machineHasDevice = false;
  for (int i = 0; i < 30; ++i) {
    Clock::time_point start = Clock::now();
    machineHasDevice = kiv::openSoundOutput() != nullptr || machineHasDevice;
    (i == 0 ? first : machine).push_back(msSince(start));
    kiv::AlsaSettings settings;
    settings.device = "thalvorine_no_such_device";
    start = Clock::now();
    if (kiv::openAlsaSoundOutput(settings) == nullptr) unknown.push_back(msSince(start));
  }
  std::printf("  this machine's default device: %s\n", machineHasDevice ? "opens" : "none (the game rings the bell)");
  report("openSoundOutput(), first in the process", first);
  report("openSoundOutput(), again", machine);
  report("an unknown device name", unknown);
}

// How late a plain sleep of the beeps' lengths wakes on this machine now:
// the floor under any blocking call's lateness.
void timeSleeps() {
  std::vector<double> late;
  for (const Note& note : gameNotes()) {
    const Clock::time_point call = Clock::now();
    std::this_thread::sleep_until(call + std::chrono::milliseconds(note.ms));
    late.push_back(msSince(call) - note.ms);
  }
  std::printf("For comparison:\n");
  report("a plain sleep's wake after its length", late);
}

// Every read from the pipe: when it came and how many bytes had come by then.
struct Arrival {
  Clock::time_point at;
  std::size_t bytesSoFar;
};

// ALSA's file plugin passes each sample on only once a buffer's worth has
// been written after it, so this device gets the smallest buffer: the figure
// is then how soon a beep's first sample leaves the game, plus at most 10 ms.
void timeFirstSamples() {
  std::printf(
      "A device of its own (file plugin with a 10 ms buffer into a pipe, over the null\n"
      "device, which takes samples as fast as they come):\n");
  std::string folder = "/tmp/bench_beeps_XXXXXX";
  if (::mkdtemp(folder.data()) == nullptr) return;
  const std::string pipe = folder + "/pipe";
  if (::mkfifo(pipe.c_str(), 0600) != 0) return;

  std::vector<Arrival> arrivals;
  arrivals.reserve(1 << 16);
  std::thread reader([&] {
    const int fd = ::open(pipe.c_str(), O_RDONLY);
    if (fd < 0) return;
    // Room for a whole melody, so that a late reader never holds up a beep.
    ::fcntl(fd, F_SETPIPE_SZ, 1 << 20);
    char chunk[65536];
    std::size_t total = 0;
    ssize_t got;
    while ((got = ::read(fd, chunk, sizeof chunk)) > 0) {
      total += static_cast<std::size_t>(got);
      arrivals.push_back({Clock::now(), total});
    }
    ::close(fd);
  });

  kiv::AlsaSettings settings;
  settings.device = "pipe";
  settings.config = "pcm.pipe { type file slave.pcm { type null } file \"" + pipe + "\" format raw }";
  settings.period = std::chrono::milliseconds(5);
  settings.buffer = std::chrono::milliseconds(10);
  std::vector<Clock::time_point> calls;
  std::vector<std::size_t> startBytes;
  std::vector<double> late;
  {
    std::unique_ptr<kiv::SoundOutput> out = kiv::openAlsaSoundOutput(settings);
    if (out == nullptr) {
      std::printf("  could not open it\n");
      const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);  // lets the reader finish
      if (fd >= 0) ::close(fd);
    } else {
      std::size_t bytes = 0;
      // One round back to back, as the melodies play, then two with a pause
      // before every beep, as the game's single beeps come.
      for (int round = 0; round < 3; ++round) {
        for (const Note& note : gameNotes()) {
          if (round > 0) std::this_thread::sleep_for(std::chrono::milliseconds(100));
          calls.push_back(Clock::now());
          startBytes.push_back(bytes);
          out->play(note.frequency, note.ms);
          late.push_back(msSince(calls.back()) - note.ms);
          bytes += 2 * kiv::toneSamples(note.ms, settings.rate);
        }
      }
    }
  }
  reader.join();
  std::vector<double> firstSample;
  for (std::size_t i = 0; i < calls.size(); ++i) {
    const auto arrival =
        std::find_if(arrivals.begin(), arrivals.end(), [&](const Arrival& a) { return a.bytesSoFar > startBytes[i]; });
    if (arrival != arrivals.end()) firstSample.push_back(msSince(calls[i], arrival->at));
  }
  report("beep call to its first sample in the pipe", firstSample);
  report("beep call's return after its length", late);
  ::unlink(pipe.c_str());
  ::rmdir(folder.c_str());
}

void timeOnDevice(const std::string& device, const std::string& monitor) {
  std::printf("The machine's device \"%s\":\n", device.c_str());
  kiv::AlsaSettings settings;
  settings.device = device;
  const Clock::time_point start = Clock::now();
  std::unique_ptr<kiv::SoundOutput> out = kiv::openAlsaSoundOutput(settings);
  std::printf("  opening took %.3f ms%s\n", msSince(start), out ? "" : ": no device");
  if (out == nullptr) return;
  std::vector<double> late;
  for (int round = 0; round < 2; ++round) {
    for (const Note& note : gameNotes()) {
      const Clock::time_point call = Clock::now();
      out->play(note.frequency, note.ms);
      late.push_back(msSince(call) - note.ms);
    }
  }
  report("beep call's return after its length", late);
  if (monitor.empty()) return;

  OnsetCapture capture(monitor, static_cast<unsigned>(settings.rate));
  if (!capture.ok()) {
    std::printf("  could not record \"%s\"\n", monitor.c_str());
    return;
  }
  std::vector<double> sounded;
  for (int i = -1; i < 30; ++i) {  // the first round only wakes the recorder
    // A quiet gap first, so that the beep starts from an idle device.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    capture.forget();
    const Clock::time_point call = Clock::now();
    out->play(440, 100);
    const auto heard = capture.firstLoud(call, std::chrono::milliseconds(100), std::chrono::milliseconds(1000));
    if (heard && i >= 0) sounded.push_back(msSince(call, *heard));
  }
  report("beep call to its first sound on the monitor", sounded);
}

}  // namespace

int main(int argc, char** argv) {
  if (FILE* load = std::fopen("/proc/loadavg", "r")) {
    char line[128] = "";
    if (std::fgets(line, sizeof line, load) != nullptr) std::printf("Load average: %s", line);
    std::fclose(load);
  }
  timeOpening();
  timeSleeps();
  timeFirstSamples();
  if (argc > 1) timeOnDevice(argv[1], argc > 2 ? argv[2] : "");
  return 0;
}
