#include "platform/music/fluidsynth_common.h"

#include <fluidsynth.h>

#include <mutex>

namespace kestrum {

void silenceFluidSynthLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
    });
}

}  // namespace kestrum
