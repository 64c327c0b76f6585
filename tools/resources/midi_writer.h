// A small writer of standard MIDI files: tracks of timed channel and meta events,
// written as format 0 (all tracks merged into one) or format 1 (one chunk per track).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrum::tools {

struct MidiEvent {
    std::uint32_t tick = 0;
    int order = 0;  // among events at one tick: lower first (note-offs before note-ons)
    std::vector<std::uint8_t> bytes;
};

class MidiTrack {
  public:
    void tempo(std::uint32_t tick, double beatsPerMinute);
    void timeSignature(std::uint32_t tick, int numerator, int denominatorPower);
    void keySignature(std::uint32_t tick, int sharps, bool minor);
    void text(std::uint32_t tick, std::uint8_t metaType, const std::string& text);
    void program(std::uint32_t tick, int channel, int program);
    void controller(std::uint32_t tick, int channel, int controller, int value);
    void note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);

    const std::vector<MidiEvent>& events() const { return events_; }

  private:
    void add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes);
    std::vector<MidiEvent> events_;
};

// Format 0 merges every track into one chunk; format 1 writes one chunk per track.
std::vector<std::uint8_t> writeMidiFile(int format, int ticksPerQuarter,
                                        const std::vector<MidiTrack>& tracks);

}  // namespace kestrum::tools
