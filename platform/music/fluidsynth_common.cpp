#include "platform/music/fluidsynth_common.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>

#include <mutex>

namespace kestrum {
namespace {

// ALSA prints its own complaints about a missing sound card; a silent program keeps quiet.
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void silenceAudioLogs() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
        snd_lib_error_set_handler(ignoreAlsaError);
    });
}

}  // namespace kestrum
