#include "platform/music/fluidsynth_midi_player.h"

#include <fluidsynth.h>

#include "platform/music/fluidsynth_common.h"

namespace kestrum {

struct FluidSynthMidiPlayer::Engine {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    fluid_player_t* player = nullptr;

    ~Engine() {
        if (driver)
            delete_fluid_audio_driver(driver);
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
};

FluidSynthMidiPlayer::FluidSynthMidiPlayer() : FluidSynthMidiPlayer(Options{}) {}

FluidSynthMidiPlayer::FluidSynthMidiPlayer(Options options) : options_(std::move(options)) {}

FluidSynthMidiPlayer::~FluidSynthMidiPlayer() {
    std::lock_guard lock(mutex_);
    stopLocked();
    engine_.reset();
}

bool FluidSynthMidiPlayer::openEngine() {
    if (engine_)
        return true;
    if (engineFailed_)
        return false;
    silenceAudioLogs();
    auto engine = std::make_unique<Engine>();
    engine->settings = new_fluid_settings();
    if (!engine->settings) {
        engineFailed_ = true;
        return false;
    }
    fluid_settings_setint(engine->settings, "synth.lock-memory", 0);
    fluid_settings_setnum(engine->settings, "synth.gain", kSynthGain);
    if (!options_.outputFile.empty())
        fluid_settings_setstr(engine->settings, "audio.file.name", options_.outputFile.c_str());
    engine->synth = new_fluid_synth(engine->settings);
    if (!engine->synth || fluid_synth_sfload(engine->synth, options_.soundFont.c_str(), 1) < 0) {
        engineFailed_ = true;
        return false;
    }
    engine_ = std::move(engine);
    return true;
}

bool FluidSynthMidiPlayer::openDriver() {
    for (const std::string& name : options_.audioDrivers) {
        fluid_settings_setstr(engine_->settings, "audio.driver", name.c_str());
        engine_->driver = new_fluid_audio_driver(engine_->settings, engine_->synth);
        if (engine_->driver)
            return true;
    }
    return false;
}

void FluidSynthMidiPlayer::stopLocked() {
    if (!engine_)
        return;
    if (engine_->player) {
        fluid_player_stop(engine_->player);
        fluid_player_join(engine_->player);
        delete_fluid_player(engine_->player);
        engine_->player = nullptr;
    }
    // The device is held only while a song plays, so a stopped player renders nothing.
    if (engine_->driver) {
        delete_fluid_audio_driver(engine_->driver);
        engine_->driver = nullptr;
    }
    // Forget the song's notes, programs and controllers before the next one.
    fluid_synth_system_reset(engine_->synth);
}

void FluidSynthMidiPlayer::play(const std::string& midiBytes) {
    std::lock_guard lock(mutex_);
    stopLocked();
    if (midiBytes.empty() || !openEngine() || !openDriver())
        return;
    fluid_player_t* player = new_fluid_player(engine_->synth);
    if (!player) {
        stopLocked();
        return;
    }
    if (fluid_player_add_mem(player, midiBytes.data(), midiBytes.size()) != FLUID_OK ||
        fluid_player_set_loop(player, 1) != FLUID_OK || fluid_player_play(player) != FLUID_OK) {
        delete_fluid_player(player);
        stopLocked();
        return;
    }
    engine_->player = player;
}

void FluidSynthMidiPlayer::stop() {
    std::lock_guard lock(mutex_);
    stopLocked();
}

bool FluidSynthMidiPlayer::isPlaying() const {
    std::lock_guard lock(mutex_);
    return engine_ && engine_->player &&
           fluid_player_get_status(engine_->player) == FLUID_PLAYER_PLAYING;
}

}  // namespace kestrum
