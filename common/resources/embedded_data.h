// The songs and the picture each program carries inside its own binary. The bytes come
// from the files beside this header, turned into arrays by the build.
#pragma once

#include <string_view>

namespace kestrum::resources {

// Standard MIDI file, format 1, 17 tracks, 384 ticks per quarter note; the main window's song.
std::string_view mainSong();

// Standard MIDI file, format 0, one track, 480 ticks per quarter note; the about window's song.
std::string_view aboutSong();

// PNG, 632 x 280 pixels, 8-bit RGBA; the about window's picture.
std::string_view aboutPicture();

}  // namespace kestrum::resources
