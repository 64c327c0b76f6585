// Settings every fluidsynth instance of the programs shares.
#pragma once

namespace kestrum {

// fluidsynth's default gain of 0.2 leaves a General MIDI song very quiet; this level keeps
// the loudest passages of the programs' songs clear of clipping.
inline constexpr double kSynthGain = 0.6;

// fluidsynth and ALSA report missing devices and files on stderr; the programs stay silent
// instead.
void silenceAudioLogs();

}  // namespace kestrum
