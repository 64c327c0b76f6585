// Renders a standard MIDI file to a WAV file through fluidsynth, faster than real time.
#pragma once

#include <string>
#include <string_view>

namespace kestrum {

// Returns false when the soundfont cannot be loaded, the data is not a MIDI file or the
// output cannot be written.
bool renderMidiToWav(std::string_view midiFile, const std::string& soundFont,
                     const std::string& wavPath);

}  // namespace kestrum
