// Opening an ALSA playback device for the game's tones: quietly, and never
// waiting long for it.
#pragma once

#include <alsa/asoundlib.h>

#include <memory>

#include "kiv/sound/alsa_sound_output.h"

namespace kiv {

// An open playback device: non-blocking, one channel of signed 16-bit
// samples in the machine's byte order, prepared so that the first write
// starts it.
class AlsaPcm {
 public:
  // Takes ownership of `handle` and of `localConfig`, which the device's
  // definition came from (either may be null).
  AlsaPcm(snd_pcm_t* handle, snd_config_t* localConfig);
  ~AlsaPcm();
  AlsaPcm(const AlsaPcm&) = delete;
  AlsaPcm& operator=(const AlsaPcm&) = delete;

  snd_pcm_t* handle() const { return handle_; }

  unsigned rate = 0;
  snd_pcm_uframes_t periodFrames = 0;

 private:
  snd_pcm_t* handle_;
  snd_config_t* localConfig_;
};

// The device of `settings`, set up as close to its rate and buffering as
// the device allows; nullptr when it cannot be opened or set up, or when
// that takes longer than settings.openTimeout (the attempt then finishes on
// its own thread and closes whatever it opened). Writes nothing to the
// terminal: ALSA's error messages are silenced for the rest of the process,
// and standard error leads nowhere while the call lasts, so that sound
// servers and the helpers they start print nothing either.
std::unique_ptr<AlsaPcm> openPcmQuietly(const AlsaSettings& settings);

}  // namespace kiv
