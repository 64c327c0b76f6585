#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "common/resources/embedded_data.h"

namespace kestrum {
namespace {

std::uint32_t bigEndian(std::string_view bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

struct MidiSummary {
    int format = -1;
    int trackCount = -1;
    int division = -1;
    int chunksFound = 0;
    bool everyTrackEnds = true;
    std::map<int, int> notesPerChannel;
};

// Walks every chunk and event so a truncated or corrupted copy shows up.
MidiSummary readMidi(std::string_view text) {
    const auto* file = reinterpret_cast<const std::uint8_t*>(text.data());
    const std::size_t fileSize = text.size();
    MidiSummary summary;
    if (fileSize < 14 || text.substr(0, 4) != "MThd")
        return summary;
    summary.format = static_cast<int>(bigEndian(text, 8, 2));
    summary.trackCount = static_cast<int>(bigEndian(text, 10, 2));
    summary.division = static_cast<int>(bigEndian(text, 12, 2));
    std::size_t at = 14;
    while (at + 8 <= fileSize) {
        EXPECT_EQ(text.substr(at, 4), "MTrk");
        const std::size_t end = at + 8 + bigEndian(text, at + 4, 4);
        EXPECT_LE(end, fileSize);
        if (end > fileSize)
            break;
        std::size_t p = at + 8;
        std::uint8_t status = 0;
        bool ended = false;
        auto readLength = [&] {
            std::uint32_t value = 0;
            while (p < end && (file[p] & 0x80))
                value = value << 7 | (file[p++] & 0x7F);
            return p < end ? value << 7 | file[p++] : value;
        };
        while (p < end && !ended) {
            readLength();  // delta time
            if (file[p] & 0x80)
                status = file[p++];
            if (status == 0xFF) {
                const std::uint8_t type = file[p++];
                p += readLength();
                ended = type == 0x2F;
            } else if (status == 0xF0 || status == 0xF7) {
                p += readLength();
            } else {
                const int kind = status >> 4;
                const int channel = status & 0x0F;
                if (kind == 0x9 && file[p + 1] > 0)
                    ++summary.notesPerChannel[channel];
                p += (kind == 0xC || kind == 0xD) ? 1 : 2;
            }
        }
        summary.everyTrackEnds = summary.everyTrackEnds && ended && p == end;
        ++summary.chunksFound;
        at = end;
    }
    EXPECT_EQ(at, fileSize) << "bytes after the last chunk";
    return summary;
}

TEST(EmbeddedData, MainSongIsAFormatOneSongForAllSixteenChannels) {
    MidiSummary song = readMidi(resources::mainSong());
    EXPECT_EQ(song.format, 1);
    EXPECT_EQ(song.trackCount, 17);
    EXPECT_EQ(song.chunksFound, 17);
    EXPECT_EQ(song.division, 384);
    EXPECT_TRUE(song.everyTrackEnds);
    EXPECT_EQ(song.notesPerChannel.size(), 16u) << "every General MIDI channel has a part";
    EXPECT_GT(song.notesPerChannel[9], 300) << "a drum part on channel 10";
}

TEST(EmbeddedData, AboutSongIsOneFormatZeroTrack) {
    const MidiSummary song = readMidi(resources::aboutSong());
    EXPECT_EQ(song.format, 0);
    EXPECT_EQ(song.trackCount, 1);
    EXPECT_EQ(song.chunksFound, 1);
    EXPECT_EQ(song.division, 480);
    EXPECT_TRUE(song.everyTrackEnds);
    EXPECT_GE(song.notesPerChannel.size(), 2u) << "melody and accompaniment";
}

TEST(EmbeddedData, AboutPictureIsA632By280RgbaPng) {
    const std::string_view png = resources::aboutPicture();
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(png.substr(0, 8), std::string_view("\x89PNG\r\n\x1A\n", 8));
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(bigEndian(png, 16, 4), 632u);
    EXPECT_EQ(bigEndian(png, 20, 4), 280u);
    EXPECT_EQ(png[24], 8) << "bits per channel";
    EXPECT_EQ(png[25], 6) << "colour type RGBA";
    EXPECT_EQ(png.substr(png.size() - 8), std::string_view("IEND\xAE\x42\x60\x82", 8))
        << "the copy is complete";
}

}  // namespace
}  // namespace kestrum
