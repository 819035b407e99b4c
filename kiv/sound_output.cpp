// The machine's sound output: the ALSA device "default", behind which a
// PulseAudio or PipeWire server usually stands.
#include "kiv/sound_output.h"

#include "kiv/alsa_sound_output.h"

namespace kiv {

std::unique_ptr<SoundOutput> openSoundOutput() { return openAlsaSoundOutput(AlsaSettings{}); }

}  // namespace kiv
