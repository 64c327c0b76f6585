#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <thread>

#include "common/resources/embedded_data.h"
#include "platform/music/fluidsynth_midi_player.h"
#include "platform/music/midi_file_renderer.h"

namespace kestrum {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

class ScratchFolder {
  public:
    ScratchFolder() {
        path_ = fs::temp_directory_path() /
                ("kestrum-music-" + std::to_string(getpid()) + "-" + std::to_string(counter_++));
        fs::create_directories(path_);
    }
    ~ScratchFolder() { fs::remove_all(path_); }
    fs::path operator/(const std::string& name) const { return path_ / name; }

  private:
    static inline int counter_ = 0;
    fs::path path_;
};

// The figures sox prints for a sound file ("Length (seconds):", "RMS amplitude:", ...).
std::map<std::string, double> soxStatistics(const fs::path& file) {
    std::map<std::string, double> figures;
    const std::string command = "sox '" + file.string() + "' -n stat 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return figures;
    char line[256];
    while (fgets(line, sizeof line, pipe)) {
        std::string text = line;
        const auto colon = text.find(':');
        if (colon == std::string::npos)
            continue;
        std::string name = text.substr(0, colon);
        while (!name.empty() && name.back() == ' ')
            name.pop_back();
        try {
            figures[name] = std::stod(text.substr(colon + 1));
        } catch (...) {
        }
    }
    pclose(pipe);
    return figures;
}

TEST(MidiRenderer, BothSongsRenderToAudibleMusicOfTheirLength) {
    struct Case {
        const char* name;
        std::string_view song;
        double shortest, longest;  // seconds
    };
    const Case cases[] = {
        {"about song", resources::aboutSong(), 30, 45},
        {"main song", resources::mainSong(), 100, 150},
    };
    ScratchFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path wav = folder / (std::string(c.name) + ".wav");
        ASSERT_TRUE(renderMidiToWav(c.song, kSoundFont, wav.string()));
        auto figures = soxStatistics(wav);
        EXPECT_GE(figures["Length (seconds)"], c.shortest);
        EXPECT_LE(figures["Length (seconds)"], c.longest);
        EXPECT_GT(figures["RMS     amplitude"], 0.02) << "not silent";
        EXPECT_LT(figures["Maximum amplitude"], 1.0) << "not clipped";
    }
}

TEST(MidiRenderer, RefusesWhatItCannotRender) {
    ScratchFolder folder;
    const std::string notMidi = "RIFF and then not a song at all";
    EXPECT_FALSE(renderMidiToWav(notMidi, kSoundFont, (folder / "a.wav").string()));
    EXPECT_FALSE(renderMidiToWav(resources::aboutSong(), "/nonexistent/none.sf2",
                                 (folder / "b.wav").string()));
}

// The "file" audio driver renders in real time into a file, so the background thread,
// stop and restart are exercised exactly as with a sound card.
FluidSynthMidiPlayer::Options fileOutput(const fs::path& wav) {
    FluidSynthMidiPlayer::Options options;
    options.soundFont = kSoundFont;
    options.audioDrivers = {"file"};
    options.outputFile = wav.string();
    return options;
}

template <typename Condition>
bool waitFor(Condition condition, std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

TEST(FluidSynthMidiPlayer, PlaysInTheBackgroundUntilStopped) {
    ScratchFolder folder;
    const fs::path wav = folder / "live.wav";
    FluidSynthMidiPlayer player(fileOutput(wav));
    EXPECT_FALSE(player.isPlaying());
    player.stop();  // nothing plays: no effect

    const auto before = std::chrono::steady_clock::now();
    player.play(std::string(resources::aboutSong()));
    EXPECT_LT(std::chrono::steady_clock::now() - before, 2s) << "play returns at once";
    EXPECT_TRUE(player.isPlaying());
    ASSERT_TRUE(waitFor([&] { return fs::exists(wav) && fs::file_size(wav) > 100'000; }, 10s))
        << "the song is being rendered behind the caller's back";

    player.play(std::string(resources::mainSong()));  // replaces the about song
    EXPECT_TRUE(player.isPlaying());
    ASSERT_TRUE(waitFor([&] { return fs::exists(wav) && fs::file_size(wav) > 100'000; }, 10s));
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    // Stopped means nothing is rendered any more, not even silence.
    const auto stoppedAt = fs::file_size(wav);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(fs::file_size(wav), stoppedAt);
    player.stop();
    EXPECT_FALSE(player.isPlaying());
}

// Everything written to stderr while `work` runs.
std::string stderrOf(const std::function<void()>& work) {
    std::fflush(stderr);
    FILE* capture = std::tmpfile();
    const int saved = dup(2);
    dup2(fileno(capture), 2);
    work();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::string text;
    std::rewind(capture);
    for (int c; (c = std::fgetc(capture)) != EOF;)
        text += static_cast<char>(c);
    std::fclose(capture);
    return text;
}

TEST(FluidSynthMidiPlayer, StaysSilentWithoutSoundFontOrDevice) {
    struct Case {
        const char* name;
        std::string soundFont;
        std::vector<std::string> drivers;
    };
    const Case cases[] = {
        {"no soundfont", "/nonexistent/none.sf2", {"file"}},
        {"no audio driver opens", kSoundFont, {"no-such-driver"}},
        {"no driver at all", kSoundFont, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        FluidSynthMidiPlayer::Options options;
        options.soundFont = c.soundFont;
        options.audioDrivers = c.drivers;
        options.outputFile = (folder / "silent.wav").string();
        const std::string complaints = stderrOf([&] {
            FluidSynthMidiPlayer player(options);
            player.play(std::string(resources::aboutSong()));
            EXPECT_FALSE(player.isPlaying());
            player.play(std::string(resources::mainSong()));
            player.stop();
            EXPECT_FALSE(player.isPlaying());
        });
        EXPECT_EQ(complaints, "") << "silent means no messages either";
    }
}

}  // namespace
}  // namespace kestrum
