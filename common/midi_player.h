// Plays in-memory standard MIDI files once in the background. Starting a song stops the one
// that plays; stopping when nothing plays does nothing. No output device means silence.
#pragma once

#include <string>

namespace kestrum {

class MidiPlayer {
  public:
    virtual ~MidiPlayer() = default;
    virtual void play(const std::string& midiBytes) = 0;
    virtual void stop() = 0;
};

}  // namespace kestrum
