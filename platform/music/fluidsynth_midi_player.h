// MidiPlayer over libfluidsynth: a General MIDI soundfont rendered through the first audio
// driver that opens. No soundfont or no audio device leaves the player silent.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "common/midi_player.h"

namespace kestrum {

class FluidSynthMidiPlayer final : public MidiPlayer {
  public:
    struct Options {
        std::string soundFont = "/usr/share/sounds/sf2/default-GM.sf2";
        // Tried in order for each song; the first that opens plays it. The device is
        // released when the song is stopped or replaced.
        std::vector<std::string> audioDrivers = {"pulseaudio", "alsa"};
        // Where the "file" audio driver writes, when it is one of the drivers.
        std::string outputFile;
    };

    FluidSynthMidiPlayer();
    explicit FluidSynthMidiPlayer(Options options);
    ~FluidSynthMidiPlayer() override;

    FluidSynthMidiPlayer(const FluidSynthMidiPlayer&) = delete;
    FluidSynthMidiPlayer& operator=(const FluidSynthMidiPlayer&) = delete;

    void play(const std::string& midiBytes) override;
    void stop() override;

    // True while a song is being played (not yet at its end and not stopped).
    bool isPlaying() const;

  private:
    struct Engine;
    bool openEngine();
    bool openDriver();
    void stopLocked();

    Options options_;
    mutable std::mutex mutex_;
    std::unique_ptr<Engine> engine_;
    bool engineFailed_ = false;
};

}  // namespace kestrum
