// Writes the two songs the programs carry: the main song (format 1, a conductor track and
// sixteen instrument tracks, 384 ticks per quarter note) and the short about song
// (format 0, one track, 480 ticks per quarter note). Both are composed here, note by note.
//
// Usage: kestrum_make_songs <output folder>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "midi_writer.h"

namespace kestrum::tools {
namespace {

struct Chord {
    int root;  // MIDI key of the root in octave 3 (C3 = 48)
    bool minor;
};

const std::map<std::string, Chord> kChords = {
    {"C", {48, false}}, {"Dm", {50, true}}, {"Em", {52, true}},
    {"F", {53, false}}, {"G", {55, false}}, {"Am", {57, true}},
};

struct MelodyNote {
    int key;  // -1 for a rest
    int eighths;
};

// "E5/2 G5/2 R/2" : note name with octave, "/", length in eighths; "|" between bars is decoration.
std::vector<MelodyNote> parseMelody(const std::string& text) {
    static const std::map<char, int> pitchClass = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                                   {'G', 7}, {'A', 9}, {'B', 11}};
    std::vector<MelodyNote> notes;
    std::istringstream in(text);
    std::string word;
    while (in >> word) {
        if (word == "|")
            continue;
        const auto slash = word.find('/');
        const int eighths = std::stoi(word.substr(slash + 1));
        if (word[0] == 'R') {
            notes.push_back({-1, eighths});
            continue;
        }
        int key = pitchClass.at(word[0]);
        std::size_t pos = 1;
        if (word[pos] == '#' || word[pos] == 'b')
            key += word[pos++] == '#' ? 1 : -1;
        const int octave = word[pos] - '0';
        notes.push_back({12 * (octave + 1) + key, eighths});
    }
    return notes;
}

// Moves a key of the C major scale by a number of scale steps (negative: down).
int diatonicShift(int key, int steps) {
    static const int scale[] = {0, 2, 4, 5, 7, 9, 11};
    int octave = key / 12;
    int degree = 0;
    while (degree < 6 && scale[degree] < key % 12)
        ++degree;
    degree += steps;
    while (degree < 0) {
        degree += 7;
        --octave;
    }
    octave += degree / 7;
    return octave * 12 + scale[degree % 7];
}

// Deterministic small variations of loudness so repeated notes do not sound mechanical.
class Humaniser {
  public:
    int velocity(int base, int spread) {
        state_ = state_ * 1103515245u + 12345u;
        const int offset = static_cast<int>((state_ >> 16) % (2 * spread + 1)) - spread;
        return base + offset;
    }

  private:
    std::uint32_t state_ = 20211120u;
};

// ---------------------------------------------------------------- main song

constexpr int kMainTicks = 384;
constexpr int kEighth = kMainTicks / 2;
constexpr int kBar = kMainTicks * 4;

enum Part : unsigned {
    kMelody = 1u << 0,
    kFlute = 1u << 1,
    kBass = 1u << 2,
    kStrings = 1u << 3,
    kGuitar = 1u << 4,
    kPianoChords = 1u << 5,
    kChoir = 1u << 6,
    kBrass = 1u << 7,
    kPizzicato = 1u << 8,
    kDrums = 1u << 9,
    kHarp = 1u << 10,
    kCello = 1u << 11,
    kCounter = 1u << 12,
    kMarimba = 1u << 13,
    kBells = 1u << 14,
    kPad = 1u << 15,
};

struct Section {
    std::vector<std::string> chords;  // one per bar
    std::string melody;
    unsigned parts;
    bool crashAtStart;
};

// One track per General MIDI channel; the index is the channel.
enum Channel {
    kChPiano,
    kChFlute,
    kChBass,
    kChStrings,
    kChGuitar,
    kChElectricPiano,
    kChChoir,
    kChBrass,
    kChPizzicato,
    kChDrums,
    kChHarp,
    kChCello,
    kChViolin,
    kChMarimba,
    kChBells,
    kChPad,
};

struct Instrument {
    const char* name;
    int program;
    int volume;
    int pan;
    int reverb;
};

const Instrument kInstruments[16] = {
    {"Piano", 0, 100, 64, 40},    {"Flute", 73, 80, 80, 60},   {"Bass", 33, 100, 64, 20},
    {"Strings", 48, 70, 44, 70},  {"Guitar", 24, 72, 30, 40},  {"Electric piano", 4, 64, 96, 40},
    {"Choir", 52, 62, 64, 80},    {"Brass", 61, 70, 70, 50},   {"Pizzicato", 45, 70, 100, 40},
    {"Drums", 0, 96, 64, 30},     {"Harp", 46, 80, 24, 70},    {"Cello", 42, 66, 52, 60},
    {"Violin", 40, 72, 84, 60},   {"Marimba", 12, 60, 40, 40}, {"Glockenspiel", 9, 48, 104, 60},
    {"Warm pad", 89, 46, 64, 90},
};

std::vector<int> triad(const Chord& chord, int octaveShift) {
    const int root = chord.root + 12 * octaveShift;
    return {root, root + (chord.minor ? 3 : 4), root + 7};
}

// Close voicing of the chord between C4 and C5, so pads move smoothly.
std::vector<int> padVoicing(const Chord& chord) {
    std::vector<int> keys;
    for (int key : triad(chord, 0)) {
        while (key < 60)
            key += 12;
        while (key >= 72)
            key -= 12;
        keys.push_back(key);
    }
    return keys;
}

void writeSection(std::vector<MidiTrack>& tracks, const Section& section, std::uint32_t start,
                  Humaniser& human) {
    auto track = [&](int channel) -> MidiTrack& { return tracks[channel + 1]; };
    const unsigned parts = section.parts;
    for (std::size_t bar = 0; bar < section.chords.size(); ++bar) {
        const Chord& chord = kChords.at(section.chords[bar]);
        const std::uint32_t t = start + static_cast<std::uint32_t>(bar) * kBar;
        const bool lastBarOfFour = bar % 4 == 3;
        const std::vector<int> pad = padVoicing(chord);

        if (parts & kBass) {
            const int root = chord.root - 12;
            const struct {
                int offset, eighths, velocity;
            } groove[] = {{0, 3, 100}, {0, 1, 80}, {7, 2, 92}, {12, 1, 84}, {7, 1, 78}};
            std::uint32_t at = t;
            for (const auto& step : groove) {
                track(kChBass).note(at, step.eighths * kEighth - 24, kChBass, root + step.offset,
                                    human.velocity(step.velocity, 5));
                at += step.eighths * kEighth;
            }
        }
        if (parts & kStrings)
            for (int key : pad)
                track(kChStrings).note(t, kBar - 8, kChStrings, key, human.velocity(64, 4));
        if (parts & kPad)
            for (int key : pad)
                track(kChPad).note(t, kBar, kChPad, key - 12, 56);
        if (parts & kChoir)
            for (int key : pad)
                track(kChChoir).note(t, kBar - 16, kChChoir, key + 12, human.velocity(58, 4));
        if (parts & kCello)
            track(kChCello).note(t, kBar - 16, kChCello, chord.root, human.velocity(70, 4));
        if (parts & kGuitar) {
            const int third = chord.minor ? 15 : 16;
            const int pattern[8] = {0, 7, 12, third, 19, third, 12, 7};
            for (int i = 0; i < 8; ++i)
                track(kChGuitar).note(t + i * kEighth, kEighth * 2, kChGuitar,
                                      chord.root + pattern[i], human.velocity(i % 2 ? 58 : 70, 6));
        }
        if (parts & kPianoChords) {
            // Off-beat stabs on the electric piano: the "and" of beats 2 and 4.
            for (int beat : {1, 3})
                for (int key : pad)
                    track(kChElectricPiano)
                        .note(t + beat * kMainTicks + kEighth, kEighth - 20, kChElectricPiano, key,
                              human.velocity(66, 6));
        }
        if (parts & kPizzicato) {
            const int keys[4] = {chord.root, chord.root + 7, chord.root + 12, chord.root + 7};
            for (int beat = 0; beat < 4; ++beat)
                track(kChPizzicato)
                    .note(t + beat * kMainTicks, kEighth, kChPizzicato, keys[beat],
                          human.velocity(beat == 0 ? 80 : 66, 5));
        }
        if (parts & kMarimba) {
            const std::vector<int> tones = triad(chord, 1);
            for (int i = 0; i < 8; ++i)
                track(kChMarimba)
                    .note(t + i * kEighth, kEighth, kChMarimba, tones[(i * 2) % 3],
                          human.velocity(i % 2 ? 50 : 62, 5));
        }
        if ((parts & kBrass) && lastBarOfFour)
            for (int key : pad)
                for (int beat : {0, 2})
                    track(kChBrass).note(t + beat * kMainTicks, kMainTicks - 40, kChBrass, key,
                                         human.velocity(beat == 0 ? 92 : 80, 4));
        if (parts & kHarp) {
            // A rising sweep through the chord over two octaves in sixteenths.
            const std::vector<int> tones = triad(chord, 0);
            for (int i = 0; i < 16; ++i) {
                const int key = tones[i % 3] + 12 * (i / 3);
                track(kChHarp).note(t + i * (kEighth / 2), kEighth * 3, kChHarp, key,
                                    human.velocity(60 + i * 2, 4));
            }
        }
        if (parts & kDrums) {
            MidiTrack& drums = track(kChDrums);
            for (int i = 0; i < 8; ++i) {
                const bool openHat = lastBarOfFour && i == 7;
                drums.note(t + i * kEighth, kEighth / 2, kChDrums, openHat ? 46 : 42,
                           human.velocity(i % 2 ? 58 : 74, 6));
            }
            for (int eighth : {0, 4, 5})
                drums.note(t + eighth * kEighth, kEighth / 2, kChDrums, 36,
                           human.velocity(eighth == 0 ? 104 : 90, 4));
            for (int beat : {1, 3})
                drums.note(t + beat * kMainTicks, kEighth / 2, kChDrums, 38, human.velocity(96, 6));
            if (bar == 0 && section.crashAtStart)
                drums.note(t, kMainTicks, kChDrums, 49, 100);
            if (bar + 1 == section.chords.size() && (parts & kBrass)) {
                // A tom fill into the next section.
                const int toms[4] = {50, 48, 47, 45};
                for (int i = 0; i < 4; ++i)
                    drums.note(t + 3 * kMainTicks + i * (kEighth / 2), kEighth / 2, kChDrums,
                               toms[i], human.velocity(88, 5));
            }
        }
    }

    if (section.melody.empty())
        return;
    std::uint32_t at = start;
    for (const MelodyNote& note : parseMelody(section.melody)) {
        const std::uint32_t length = note.eighths * kEighth;
        if (note.key >= 0) {
            const int velocity = human.velocity(note.eighths >= 4 ? 92 : 86, 6);
            if (parts & kMelody)
                track(kChPiano).note(at, length - 12, kChPiano, note.key, velocity);
            if (parts & kFlute)
                track(kChFlute).note(at, length - 12, kChFlute, note.key, velocity - 10);
            if (parts & kBells)
                track(kChBells).note(at, length / 2, kChBells, note.key + 12, velocity - 24);
            if (parts & kCounter)
                track(kChViolin).note(at, length - 12, kChViolin, diatonicShift(note.key, -2),
                                      velocity - 14);
        }
        at += length;
    }
}

std::vector<std::uint8_t> composeMainSong() {
    const std::string phraseA =
        "E5/2 G5/2 A5/2 G5/2 | E5/2 D5/2 C5/4 | D5/2 C5/2 A4/2 C5/2 | D5/6 R/2 | "
        "E5/2 G5/2 A5/2 C6/2 | A5/2 G5/2 E5/4 | A5/2 G5/2 E5/2 D5/2 | D5/3 E5/1 D5/4";
    const std::string phraseA2 =
        "E5/2 G5/2 A5/2 G5/2 | E5/2 D5/2 C5/4 | D5/2 C5/2 A4/2 C5/2 | D5/6 R/2 | "
        "C6/2 A5/2 G5/2 A5/2 | G5/2 E5/2 D5/2 E5/2 | E5/2 G5/2 D5/2 E5/2 | C5/8";
    const std::string phraseB =
        "C6/3 A5/1 A5/4 | B5/2 A5/2 G5/4 | G5/2 E5/2 G5/2 B5/2 | A5/8 | "
        "F5/2 A5/2 C6/2 A5/2 | G5/2 D5/2 G5/2 B5/2 | C6/4 G5/2 E5/2 | C6/8";
    const std::string outro = "A4/2 C5/2 D5/4 | D5/2 E5/2 G5/4 | E5/8 | C5/8";
    const std::vector<std::string> progA = {"C", "Am", "F", "G", "C", "Am", "F", "G"};
    const std::vector<std::string> progA2 = {"C", "Am", "F", "G", "F", "G", "C", "C"};
    const std::vector<std::string> progB = {"F", "G", "Em", "Am", "F", "G", "C", "C"};

    const unsigned groove = kMelody | kBass | kStrings | kGuitar | kPianoChords | kDrums | kPad;
    const std::vector<Section> sections = {
        {{"C", "Am", "F", "G"}, "", kHarp | kStrings | kPad | kCello, false},
        {progA, phraseA, groove | kPizzicato, true},
        {progA2, phraseA2, groove | kPizzicato | kBrass, false},
        {progB, phraseB, groove | kFlute | kChoir | kCello | kMarimba | kBrass, true},
        {progA2, phraseA2, groove | kCounter | kBells | kPizzicato | kBrass, true},
        {progB, phraseB, groove | kFlute | kChoir | kCello | kMarimba | kCounter | kBells | kBrass,
         true},
        {{"F", "G", "C", "C"}, outro, kMelody | kStrings | kPad | kHarp | kCello | kChoir, true},
    };

    std::vector<MidiTrack> tracks(17);
    MidiTrack& conductor = tracks[0];
    conductor.text(0, 0x03, "Kestrum - main theme");
    conductor.text(0, 0x02, "Composed for Kestrum");
    conductor.timeSignature(0, 4, 2);
    conductor.keySignature(0, 0, false);
    conductor.tempo(0, 96);

    for (int channel = 0; channel < 16; ++channel) {
        const Instrument& instrument = kInstruments[channel];
        MidiTrack& track = tracks[channel + 1];
        track.text(0, 0x03, instrument.name);
        if (channel != kChDrums)
            track.program(0, channel, instrument.program);
        track.controller(0, channel, 7, instrument.volume);
        track.controller(0, channel, 10, instrument.pan);
        track.controller(0, channel, 91, instrument.reverb);
    }

    Humaniser human;
    std::uint32_t start = 0;
    for (const Section& section : sections) {
        writeSection(tracks, section, start, human);
        start += static_cast<std::uint32_t>(section.chords.size()) * kBar;
    }
    // Slow down over the last two bars and let the final chord ring.
    conductor.tempo(start - 2 * kBar, 88);
    conductor.tempo(start - kBar, 76);
    for (int key : {48, 55, 60, 64, 67, 72})
        tracks[kChPiano + 1].note(start, kBar * 2, kChPiano, key, 78);
    tracks[kChDrums + 1].note(start, kBar, kChDrums, 49, 90);
    tracks[kChBass + 1].note(start, kBar * 2, kChBass, 36, 90);
    return writeMidiFile(1, kMainTicks, tracks);
}

// ---------------------------------------------------------------- about song

std::vector<std::uint8_t> composeAboutSong() {
    constexpr int kTicks = 480;
    constexpr int kWaltzEighth = kTicks / 2;
    constexpr int kWaltzBar = kTicks * 3;
    enum { kMusicBox = 0, kHarp = 1, kStrings = 2 };

    const std::vector<std::string> chords = {"C", "G", "Am", "Em", "F", "C", "F", "G",
                                             "C", "G", "Am", "Em", "F", "G", "C", "C"};
    const std::string melody =
        "G5/4 E5/2 | D5/4 B4/2 | C5/2 E5/2 A5/2 | G5/6 | A5/4 F5/2 | E5/4 C5/2 | "
        "D5/2 C5/2 A4/2 | D5/6 | G5/4 E5/2 | D5/4 G5/2 | A5/2 C6/2 B5/2 | G5/6 | "
        "A5/2 G5/2 F5/2 | E5/2 D5/2 B4/2 | C5/6 | C5/6";

    MidiTrack song;
    song.text(0, 0x03, "Kestrum - about");
    song.timeSignature(0, 3, 2);
    song.tempo(0, 84);
    const int programs[3] = {10, 46, 48};
    const int volumes[3] = {127, 96, 72};
    for (int channel = 0; channel < 3; ++channel) {
        song.program(0, channel, programs[channel]);
        song.controller(0, channel, 7, volumes[channel]);
        song.controller(0, channel, 91, 70);
    }

    Humaniser human;
    for (std::size_t bar = 0; bar < chords.size(); ++bar) {
        const Chord& chord = kChords.at(chords[bar]);
        const std::uint32_t t = static_cast<std::uint32_t>(bar) * kWaltzBar;
        const int third = chord.root + (chord.minor ? 3 : 4) + 12;
        const int fifth = chord.root + 7 + 12;
        song.note(t, kTicks - 20, kHarp, chord.root - 12, human.velocity(70, 4));
        for (int beat : {1, 2}) {
            song.note(t + beat * kTicks, kTicks - 40, kHarp, third, human.velocity(54, 4));
            song.note(t + beat * kTicks, kTicks - 40, kHarp, fifth, human.velocity(54, 4));
        }
        song.note(t, kWaltzBar - 10, kStrings, chord.root, 50);
    }
    std::uint32_t at = 0;
    for (const MelodyNote& note : parseMelody(melody)) {
        if (note.key >= 0)
            song.note(at, note.eighths * kWaltzEighth - 10, kMusicBox, note.key,
                      human.velocity(100, 6));
        at += note.eighths * kWaltzEighth;
    }
    song.tempo(at - kWaltzBar, 72);
    return writeMidiFile(0, kTicks, {song});
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace
}  // namespace kestrum::tools

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    using namespace kestrum::tools;
    if (!writeFile(folder + "/main_song.mid", composeMainSong()) ||
        !writeFile(folder + "/about_song.mid", composeAboutSong())) {
        std::fprintf(stderr, "cannot write the songs into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
