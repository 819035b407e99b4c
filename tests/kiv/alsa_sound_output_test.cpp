// Tones through ALSA on devices the tests define themselves: what reaches
// the device, how long each beep blocks, and a quiet fallback when there is
// no device or it hangs or fails.
#include "kiv/sound/alsa_sound_output.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include "kiv/sound/tone.h"
#include "temp_folder.h"

namespace kiv {
namespace {

using std::chrono::milliseconds;

// The test's own device "beeps", defined by `config` (what follows "pcm.beeps {").
AlsaSettings device(const std::string& config) { return {.device = "beeps", .config = "pcm.beeps { " + config}; }
// A device that passes every sample on to `file` and plays it nowhere.
AlsaSettings recordingTo(const std::string& file) {
  return device("type file slave.pcm { type null } file \"" + file + "\" format raw }");
}

TEST(Sound, WithoutADeviceThereIsNoOutputAndNothingPrinted) {
  const AlsaSettings unknown{.device = "thalvorine_no_such_device", .config = ""};
  testing::internal::CaptureStderr();
  for (const AlsaSettings& settings : {unknown, device("type"), device("type thalvorine_no_such_plugin }")})
    EXPECT_EQ(openAlsaSoundOutput(settings), nullptr) << settings.device << " " << settings.config;
  openSoundOutput();  // this machine's own device, whatever it has: quietly too
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(Sound, AnOpeningThatHangsIsGivenUpAndClosesLater) {
  // Opening the file plugin's output blocks while the pipe has no reader.
  const TempFolder folder;
  const std::string pipe = folder.path() / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  AlsaSettings settings = recordingTo(pipe);
  settings.openTimeout = milliseconds(100);
  testing::internal::CaptureStderr();
  EXPECT_EQ(openAlsaSoundOutput(settings), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  // Once the pipe gets a reader, the abandoned opening goes through and
  // closes the device again: the reader sees the end of the pipe.
  const int reader = ::open(pipe.c_str(), O_RDONLY);
  ASSERT_GE(reader, 0);
  char byte;
  EXPECT_EQ(::read(reader, &byte, 1), 0);  // nothing played, nothing written
  ::close(reader);
}

TEST(Sound, EveryBeepReachesTheDeviceWhole) {
  const TempFolder folder;
  const std::string file = folder.path() / "beeps.raw";
  AlsaSettings settings = recordingTo(file);
  settings.rate = 44100;
  std::string played;  // the samples of every beep, as bytes
  {
    std::unique_ptr<SoundOutput> out = openAlsaSoundOutput(settings);
    ASSERT_NE(out, nullptr);
    for (int ms : {300, 120, 0}) {
      out->play(329 + ms, ms);
      const std::vector<std::int16_t> tone = renderTone(329 + ms, ms, 44100);
      played.append(reinterpret_cast<const char*>(tone.data()), tone.size() * sizeof tone[0]);
    }
  }
  const std::string heard = folder.read("beeps.raw");
  EXPECT_TRUE(heard == played) << heard.size() << " bytes heard, " << played.size() << " played";
}

// Only a lower bound on the clock: a beep can take longer on a busy machine, never less.
TEST(Sound, ABeepBlocksForItsLengthWhenTheDeviceTakesItAtOnceOrFailsOnIt) {
  // The null device swallows any number of samples at once; the full device
  // opens well, then fails once its samples reach the file. Only the clock keeps the length.
  for (const AlsaSettings& settings : {device("type null }"), recordingTo("/dev/full")}) {
    std::unique_ptr<SoundOutput> out = openAlsaSoundOutput(settings);
    ASSERT_NE(out, nullptr);
    testing::internal::CaptureStderr();
    for (int ms : {150, 40, 300, 40}) {  // the full device has failed by the last one
      const auto start = std::chrono::steady_clock::now();
      out->play(440, ms);
      EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(ms)) << settings.config;
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  }
}

}  // namespace
}  // namespace kiv
