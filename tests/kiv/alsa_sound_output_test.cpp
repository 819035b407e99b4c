// Tones through ALSA on devices the tests define themselves: what reaches
// the device, how long each beep blocks, and a quiet fallback when there is
// no device or it hangs or fails.
#include "kiv/alsa_sound_output.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "kiv/tone.h"

namespace kiv {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A folder of its own for each test, removed after it.
class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "sound_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + folder_ + "'").c_str()); }

  std::string path(const std::string& name) const { return folder_ + "/" + name; }

  // A device that passes every sample on to `file` and plays it nowhere.
  static AlsaSettings recordingTo(const std::string& file) {
    AlsaSettings settings;
    settings.device = "beeps";
    settings.config = "pcm.beeps { type file slave.pcm { type null } file \"" + file +
                      "\" format raw }";
    return settings;
  }

  static milliseconds timePlay(SoundOutput& out, int frequency, int ms) {
    const Clock::time_point start = Clock::now();
    out.play(frequency, ms);
    return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
  }

  std::string folder_;
};

std::vector<std::int16_t> readSamples(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::int16_t> samples(bytes.size() / 2);
  std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(samples.size() * 2),
            reinterpret_cast<char*>(samples.data()));
  return samples;
}

TEST_F(SoundTest, WithoutADeviceThereIsNoOutputAndNothingPrinted) {
  AlsaSettings unknown;
  unknown.device = "thalvorine_no_such_device";
  AlsaSettings unreadable;
  unreadable.device = "beeps";
  unreadable.config = "pcm.beeps { type";
  AlsaSettings unknownType = unreadable;
  unknownType.config = "pcm.beeps { type thalvorine_no_such_plugin }";

  ::testing::internal::CaptureStderr();
  const bool unknownOpened = openAlsaSoundOutput(unknown) != nullptr;
  const bool unreadableOpened = openAlsaSoundOutput(unreadable) != nullptr;
  const bool unknownTypeOpened = openAlsaSoundOutput(unknownType) != nullptr;
  openSoundOutput();  // this machine's own device, whatever it has: quietly too
  const std::string printed = ::testing::internal::GetCapturedStderr();

  EXPECT_FALSE(unknownOpened);
  EXPECT_FALSE(unreadableOpened);
  EXPECT_FALSE(unknownTypeOpened);
  EXPECT_EQ(printed, "");
}

TEST_F(SoundTest, AnOpeningThatHangsIsGivenUpAndClosesLater) {
  // Opening the file plugin's output blocks while the pipe has no reader.
  const std::string pipe = path("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  AlsaSettings settings = recordingTo(pipe);
  settings.openTimeout = milliseconds(100);

  ::testing::internal::CaptureStderr();
  EXPECT_EQ(openAlsaSoundOutput(settings), nullptr);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

  // Once the pipe gets a reader, the abandoned opening goes through and
  // closes the device again: the reader sees the end of the pipe.
  const int reader = ::open(pipe.c_str(), O_RDONLY);
  ASSERT_GE(reader, 0);
  char byte;
  ssize_t got;
  while ((got = ::read(reader, &byte, 1)) > 0) {
  }
  EXPECT_EQ(got, 0);
  ::close(reader);
}

TEST_F(SoundTest, EveryBeepReachesTheDeviceWhole) {
  const std::string file = path("beeps.raw");
  AlsaSettings settings = recordingTo(file);
  settings.rate = 44100;
  {
    std::unique_ptr<SoundOutput> out = openAlsaSoundOutput(settings);
    ASSERT_NE(out, nullptr);
    out->play(329, 300);
    out->play(659, 120);
    out->play(392, 0);  // nothing
  }
  const std::vector<std::int16_t> heard = readSamples(file);
  const std::vector<std::int16_t> first = renderTone(329, 300, 44100);
  const std::vector<std::int16_t> second = renderTone(659, 120, 44100);
  ASSERT_EQ(heard.size(), first.size() + second.size());
  EXPECT_TRUE(std::equal(first.begin(), first.end(), heard.begin()));
  EXPECT_TRUE(std::equal(second.begin(), second.end(), heard.begin() + first.size()));
}

TEST_F(SoundTest, ABeepBlocksForItsLengthThoughTheDeviceTakesItAtOnce) {
  // The null device swallows any number of samples at once: only the clock
  // can keep the beep's length.
  AlsaSettings settings;
  settings.device = "beeps";
  settings.config = "pcm.beeps { type null }";
  std::unique_ptr<SoundOutput> out = openAlsaSoundOutput(settings);
  ASSERT_NE(out, nullptr);
  for (int ms : {150, 40, 300}) EXPECT_GE(timePlay(*out, 440, ms), milliseconds(ms));

  const Clock::time_point start = Clock::now();
  for (int ms : {200, 200, 300}) out->play(196, ms);
  EXPECT_GE(Clock::now() - start, milliseconds(700));
}

TEST_F(SoundTest, ADeviceThatFailsWhilePlayingGoesQuietButKeepsTheLength) {
  // The full device opens well and refuses every sample after the first.
  std::unique_ptr<SoundOutput> out = openAlsaSoundOutput(recordingTo("/dev/full"));
  ASSERT_NE(out, nullptr);
  ::testing::internal::CaptureStderr();
  const milliseconds first = timePlay(*out, 500, 200);
  const milliseconds second = timePlay(*out, 500, 100);
  const std::string printed = ::testing::internal::GetCapturedStderr();
  EXPECT_GE(first, milliseconds(200));
  EXPECT_GE(second, milliseconds(100));
  EXPECT_EQ(printed, "");
}

}  // namespace
}  // namespace kiv
