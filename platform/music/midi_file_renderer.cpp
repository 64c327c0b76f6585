#include "platform/music/midi_file_renderer.h"

#include <fluidsynth.h>

#include "platform/music/fluidsynth_common.h"

namespace kestrum {

bool renderMidiToWav(std::string_view midiFile, const std::string& soundFont,
                     const std::string& wavPath) {
    const bool looksLikeMidi = midiFile.size() >= 14 && midiFile.substr(0, 4) == "MThd";
    if (!looksLikeMidi)
        return false;
    silenceAudioLogs();
    fluid_settings_t* settings = new_fluid_settings();
    if (!settings)
        return false;
    fluid_settings_setstr(settings, "audio.file.name", wavPath.c_str());
    fluid_settings_setstr(settings, "audio.file.type", "wav");
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_settings_setint(settings, "synth.lock-memory", 0);
    fluid_settings_setnum(settings, "synth.gain", kSynthGain);

    bool rendered = false;
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = nullptr;
    fluid_file_renderer_t* renderer = nullptr;
    if (synth && fluid_synth_sfload(synth, soundFont.c_str(), 1) >= 0 &&
        (player = new_fluid_player(synth)) != nullptr &&
        fluid_player_add_mem(player, midiFile.data(), midiFile.size()) == FLUID_OK &&
        fluid_player_play(player) == FLUID_OK &&
        (renderer = new_fluid_file_renderer(synth)) != nullptr) {
        rendered = true;
        while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING) {
            if (fluid_file_renderer_process_block(renderer) != FLUID_OK) {
                rendered = false;
                break;
            }
        }
    }
    if (renderer)
        delete_fluid_file_renderer(renderer);
    if (player)
        delete_fluid_player(player);
    if (synth)
        delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return rendered;
}

}  // namespace kestrum
