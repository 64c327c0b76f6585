#include "midi_writer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kestrum::tools {
namespace {

enum EventOrder { kMeta = 0, kSetup = 1, kNoteOff = 2, kNoteOn = 3 };

void putVariableLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.push_back(groups[--count] | 0x80);
    out.push_back(groups[0]);
}

void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8)
        out.push_back((value >> shift) & 0xFF);
}

std::uint8_t dataByte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 127));
}

std::vector<std::uint8_t> trackChunk(std::vector<MidiEvent> events) {
    std::stable_sort(events.begin(), events.end(), [](const MidiEvent& a, const MidiEvent& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<std::uint8_t> body;
    std::uint32_t now = 0;
    for (const MidiEvent& event : events) {
        putVariableLength(body, event.tick - now);
        now = event.tick;
        body.insert(body.end(), event.bytes.begin(), event.bytes.end());
    }
    body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});  // end of track
    std::vector<std::uint8_t> chunk = {'M', 'T', 'r', 'k'};
    putBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

}  // namespace

void MidiTrack::add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes) {
    events_.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::tempo(std::uint32_t tick, double beatsPerMinute) {
    const auto microseconds =
        static_cast<std::uint32_t>(std::lround(60'000'000.0 / beatsPerMinute));
    add(tick, kMeta,
        {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(microseconds >> 16),
         static_cast<std::uint8_t>(microseconds >> 8), static_cast<std::uint8_t>(microseconds)});
}

void MidiTrack::timeSignature(std::uint32_t tick, int numerator, int denominatorPower) {
    add(tick, kMeta,
        {0xFF, 0x58, 0x04, static_cast<std::uint8_t>(numerator),
         static_cast<std::uint8_t>(denominatorPower), 24, 8});
}

void MidiTrack::keySignature(std::uint32_t tick, int sharps, bool minor) {
    add(tick, kMeta,
        {0xFF, 0x59, 0x02, static_cast<std::uint8_t>(static_cast<std::int8_t>(sharps)),
         static_cast<std::uint8_t>(minor ? 1 : 0)});
}

void MidiTrack::text(std::uint32_t tick, std::uint8_t metaType, const std::string& text) {
    std::vector<std::uint8_t> bytes = {0xFF, metaType};
    putVariableLength(bytes, static_cast<std::uint32_t>(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
    add(tick, kMeta, std::move(bytes));
}

void MidiTrack::program(std::uint32_t tick, int channel, int program) {
    add(tick, kSetup, {static_cast<std::uint8_t>(0xC0 | channel), dataByte(program)});
}

void MidiTrack::controller(std::uint32_t tick, int channel, int controller, int value) {
    add(tick, kSetup,
        {static_cast<std::uint8_t>(0xB0 | channel), dataByte(controller), dataByte(value)});
}

void MidiTrack::note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
    if (length == 0)
        return;
    add(tick, kNoteOn,
        {static_cast<std::uint8_t>(0x90 | channel), dataByte(key),
         dataByte(std::max(velocity, 1))});
    add(tick + length, kNoteOff, {static_cast<std::uint8_t>(0x80 | channel), dataByte(key), 64});
}

std::vector<std::uint8_t> writeMidiFile(int format, int ticksPerQuarter,
                                        const std::vector<MidiTrack>& tracks) {
    std::vector<std::vector<MidiEvent>> chunks;
    if (format == 0) {
        std::vector<MidiEvent> merged;
        for (const MidiTrack& track : tracks)
            merged.insert(merged.end(), track.events().begin(), track.events().end());
        chunks.push_back(std::move(merged));
    } else if (format == 1) {
        for (const MidiTrack& track : tracks)
            chunks.push_back(track.events());
    } else {
        throw std::invalid_argument("only formats 0 and 1 are written");
    }
    std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
    putBigEndian(file, static_cast<std::uint32_t>(format), 2);
    putBigEndian(file, static_cast<std::uint32_t>(chunks.size()), 2);
    putBigEndian(file, static_cast<std::uint32_t>(ticksPerQuarter), 2);
    for (auto& events : chunks) {
        const std::vector<std::uint8_t> chunk = trackChunk(std::move(events));
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}

}  // namespace kestrum::tools
