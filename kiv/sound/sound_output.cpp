// The machine's sound output: the ALSA device "default", behind which a
// PulseAudio or PipeWire server usually stands.
#include "kiv/sound/sound_output.h"

#include "kiv/sound/alsa_sound_output.h"

namespace kiv {

std::unique_ptr<SoundOutput> openSoundOutput() { return openAlsaSoundOutput(AlsaSettings{}); }

}  // namespace kiv
